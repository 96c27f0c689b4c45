#include "worksheet/print_preview.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLayout>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QToolBar>

namespace {

// The preview as a teacher uses it by keyboard and by ear. Its tool bar
// buttons take no focus, and walking some twenty picture buttons for the two
// that matter would be slow by ear, so Print and Close stand as real buttons
// at the end of `row`, in the Tab order, Print the default: Return prints
// from anywhere but Close. Print and Ctrl+P trigger the tool bar's own print
// command, so the print dialog and the pages are those of its button. The
// page view, the first stop, is named and says how many pages there are;
// the tool bar's two fields get names.
void addKeyboardCommands(QPrintPreviewDialog &preview, QWidget *row, QBoxLayout *rowLayout)
{
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction *action : preview.findChildren<QAction *>()) {
        if (action->text() != printText)
            continue;
        action->setShortcut(QKeySequence::Print);
        auto *print = new QPushButton(QCoreApplication::translate("PrintPreview", "&Print"), row);
        print->setObjectName(QStringLiteral("cmdPrintFromPreview"));
        print->setDefault(true);
        QObject::connect(print, &QPushButton::clicked, action, &QAction::trigger);
        rowLayout->addWidget(print);
        break;
    }
    auto *close = new QPushButton(QCoreApplication::translate("PrintPreview", "&Close"), row);
    close->setObjectName(QStringLiteral("cmdClosePreview"));
    QObject::connect(close, &QPushButton::clicked, &preview, &QDialog::reject);
    rowLayout->addWidget(close);

    if (auto *toolBar = preview.findChild<QToolBar *>()) {
        for (QComboBox *zoom : toolBar->findChildren<QComboBox *>())
            zoom->setAccessibleName(QCoreApplication::translate("PrintPreview", "Zoom"));
        for (QLineEdit *field : toolBar->findChildren<QLineEdit *>()) {
            if (!qobject_cast<QComboBox *>(field->parentWidget()))
                field->setAccessibleName(
                    QCoreApplication::translate("PrintPreview", "Page number"));
        }
    }
    auto *view = preview.findChild<QPrintPreviewWidget *>();
    auto *pages = view ? view->findChild<QGraphicsView *>() : nullptr;
    if (!pages)
        return;
    pages->setAccessibleName(QCoreApplication::translate("PrintPreview", "Worksheet pages"));
    QObject::connect(view, &QPrintPreviewWidget::previewChanged, pages, [view, pages]() {
        const int count = view->pageCount();
        pages->setAccessibleDescription(
            QCoreApplication::translate("PrintPreview", "%n pages", nullptr, count));
    });
    // The preview itself would take the focus, unnamed, where nothing reads.
    view->setFocusProxy(pages);
    pages->setFocus();
}

} // namespace

QCheckBox *addPreviewRow(QPrintPreviewDialog &preview, bool includeKey)
{
    // A row of its own under the pages: in the tool bar a long worksheet's
    // page count pushed it out of sight. It shows what the pages will hold,
    // as last chosen.
    auto *keyRow = new QWidget(&preview);
    keyRow->setObjectName(QStringLiteral("answerKeyRow"));
    auto *withKey
        = new QCheckBox(QCoreApplication::translate("PrintPreview", "Include &answer key"), keyRow);
    withKey->setObjectName(QStringLiteral("chkIncludeAnswerKey"));
    withKey->setChecked(includeKey);
    auto *rowLayout = new QHBoxLayout(keyRow);
    rowLayout->addWidget(withKey);
    rowLayout->addStretch();
    addKeyboardCommands(preview, keyRow, rowLayout);
    if (QLayout *dialogLayout = preview.layout())
        dialogLayout->addWidget(keyRow);
    return withKey;
}
