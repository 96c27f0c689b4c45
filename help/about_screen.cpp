#include "help/about_screen.h"

#include "base/controls.h"
#include "base/desktop_launcher.h"
#include "base/maker_info.h"
#include "base/text_fit.h"
#include "help/maker_links.h"

#include <QColor>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>
#include <QUrl>

using controls::twips;

namespace {

constexpr int DotLeaderLength = 80;
// The names of the credits end here, past the end of every dot leader.
constexpr int CreditsRight = 4695;

// A credit line reads "Heading ........ Name": the dots lie under the
// heading and the name, whose own ground hides them where they stand.
QLabel *creditText(
    QWidget *parent, const QString &name, const QString &text, const QRect &geometry, bool bold)
{
    QLabel *label = controls::label(parent, name, text, geometry);
    label->setWordWrap(false);
    label->setAutoFillBackground(true);
    if (bold)
        label->setFont(controls::font(QStringLiteral("MS Sans Serif"), 8.25, true));
    return label;
}

} // namespace

AboutScreen::AboutScreen(const QString &readMe, const QString &support, QWidget *parent)
    : Screen(QStringLiteral("fraAbout"), twips(-120, -120, 10695, 4935), parent)
    , m_readMe(readMe)
    , m_support(support)
{
    // Ok first: it takes the focus on opening and leads the tab order.
    m_cmdOkAbout = controls::button(
        this, QStringLiteral("cmdOkAbout"), QString(), twips(8400, 2760, 1815, 375));
    connect(m_cmdOkAbout, &QPushButton::clicked, this, &AboutScreen::okClicked);
    // Escape leaves as "Ok" does, as it leaves any dialog.
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    leave->setContext(Qt::WidgetWithChildrenShortcut);
    connect(leave, &QShortcut::activated, this, &AboutScreen::okClicked);
    m_cmdReadMe = controls::button(
        this, QStringLiteral("cmdReadMe"), QString(), twips(8400, 3360, 1815, 375));
    m_cmdSupport = controls::button(
        this, QStringLiteral("cmdSupport"), QString(), twips(8400, 3960, 1815, 375));
    connect(m_cmdReadMe, &QPushButton::clicked, this, &AboutScreen::cmdReadMe_Click);
    connect(m_cmdSupport, &QPushButton::clicked, this, &AboutScreen::cmdSupport_Click);

    addCredits();
    addNotices();
    retranslate();
}

QString AboutScreen::entryText() const
{
    return tr("&About Orvi Math Tutor");
}

void AboutScreen::retranslate()
{
    m_cmdOkAbout->setText(tr("Ok"));
    //: Opens the read-me file that comes with the program.
    m_cmdReadMe->setText(tr("Open READ ME"));
    //: Opens the page that tells how to help the program's makers.
    m_cmdSupport->setText(tr("Support Orvi"));
    //: A credit heading; one "&" shows as it is.
    m_codingHeading->setText(tr("Coding & Design"));
    m_codingName->setText(tr("The Orvi Math Tutor team"));
    //: A credit heading: who tried the program out.
    const QString testing = tr("Testing");
    for (QLabel *heading : std::as_const(m_testingHeadings))
        heading->setText(testing);
    m_testers[0]->setText(tr("Class 3B pupils"));
    m_testers[1]->setText(tr("Class 4A"));
    m_testers[2]->setText(tr("Parent helpers"));
    m_websiteHeading->setText(tr("Website"));
    m_mailHeading->setText(tr("E-mail"));
    m_thanks->setText(tr("Thank you for using Orvi Math Tutor!"));
    //: %1 is the makers' e-mail address.
    m_notice->setText(tr("Orvi Math Tutor is free. You may copy it and pass it on to pupils, "
                         "schools and families, as long as you pass it on whole and unchanged "
                         "and ask no money for it. It comes without any warranty.\n\n"
                         "Please send error reports, suggestions and questions to %1. "
                         "Every message helps us make the tutor better.")
                          .arg(QString::fromUtf8(tutor::MakerMailAddress)));
    m_version->setText(tr("Orvi Math Tutor 1.0 - Copyright \u00a9 2026 The Orvi Math Tutor team"));
}

void AboutScreen::addCredits()
{
    const QString dots(DotLeaderLength, QLatin1Char('.'));
    const struct
    {
        const char *name;
        int left;
        int top;
    } leaders[] = { { "Label48", 600, 720 }, { "Label45", 360, 1320 }, { "Label51", 480, 1920 },
        { "Label53", 360, 2520 }, { "Label52", 600, 3120 }, { "Label54", 480, 3720 } };
    // Created first, so that every heading and name lies above its leader.
    for (const auto &leader : leaders) {
        textfit::letRunPast(creditText(this, QString::fromLatin1(leader.name), dots,
            twips(leader.left, leader.top, 3615, 255), true));
    }

    // A label without a buddy shows its text as it is: one "&" is one "&".
    m_codingHeading
        = creditText(this, QStringLiteral("Label16"), QString(), twips(240, 720, 1455, 255), true);
    // Wide enough for the whole name; it ends where the testers' names end.
    m_codingName = creditText(
        this, QStringLiteral("Label14"), QString(), twips(2760, 720, 1935, 255), false);

    const struct
    {
        const char *heading;
        const char *name;
        int left;
        int top;
    } testers[] = { { "Label49", "Label58", 3240, 1320 }, { "Label56", "Label50", 3600, 1920 },
        { "Label46", "Label59", 3360, 2520 } };
    for (std::size_t i = 0; i < m_testers.size(); ++i) {
        const auto &tester = testers[i];
        m_testingHeadings << creditText(this, QString::fromLatin1(tester.heading), QString(),
            twips(240, tester.top, 735, 255), true);
        m_testers[i] = creditText(this, QString::fromLatin1(tester.name), QString(),
            twips(tester.left, tester.top, CreditsRight - tester.left, 255), false);
    }

    m_websiteHeading
        = creditText(this, QStringLiteral("Label57"), QString(), twips(240, 3120, 735, 255), true);
    m_lblWeb = addLink(QStringLiteral("lblWeb"), QString::fromUtf8(tutor::MakerHomePage),
        twips(2400, 3120, 2055, 255));
    m_mailHeading
        = creditText(this, QStringLiteral("Label55"), QString(), twips(240, 3720, 615, 255), true);
    m_lblEmail = addLink(QStringLiteral("lblEmail"), QString::fromUtf8(tutor::MakerMailAddress),
        twips(2760, 3720, 1695, 255));
}

QLabel *AboutScreen::addLink(const QString &name, const QString &text, const QRect &geometry)
{
    QLabel *link = creditText(this, name, text, geometry, false);
    // The system's highlight colour, followed when the palette changes.
    link->setForegroundRole(QPalette::Highlight);
    link->setCursor(Qt::PointingHandCursor);
    link->setToolTip(text);
    link->installEventFilter(this);
    return link;
}

void AboutScreen::addNotices()
{
    m_thanks
        = controls::label(this, QStringLiteral("Label12"), QString(), twips(5520, 480, 4335, 375));
    m_thanks->setFont(controls::font(QStringLiteral("MS Sans Serif"), 12, true));
    m_thanks->setWordWrap(false);
    m_thanks->setAlignment(Qt::AlignCenter);
    // White text needs a dark ground to be read on the light screen.
    controls::setBackground(m_thanks, QColor(0x13, 0x30, 0x7f));
    controls::setTextColour(m_thanks, Qt::white);

    m_notice = controls::label(
        this, QStringLiteral("Label13"), QString(), twips(4800, 1440, 3195, 2535));
    controls::setTextColour(m_notice, Qt::black);

    // Below the thank-you line and right of the notice, clear of both.
    controls::picture(this, QStringLiteral("Image18"), QStringLiteral(":/pictures/about.png"),
        twips(8040, 900, 2475, 1800))
        ->setAccessibleName(QStringLiteral("Orvi Math Tutor"));

    // Out to the buttons' right edge: room for a longer line.
    m_version
        = controls::label(this, QStringLiteral("Label10"), QString(), twips(2640, 4560, 7575, 255));
}

bool AboutScreen::eventFilter(QObject *watched, QEvent *event)
{
    // A link label is clicked when the button is let go over it.
    if (event->type() == QEvent::MouseButtonRelease
        && (watched == m_lblWeb || watched == m_lblEmail)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        const auto *label = static_cast<QLabel *>(watched);
        if (mouse->button() == Qt::LeftButton
            && label->rect().contains(mouse->position().toPoint())) {
            if (label == m_lblWeb)
                lblWeb_Click();
            else
                lblEmail_Click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void AboutScreen::enter()
{
    m_cmdOkAbout->setFocus();
}

void AboutScreen::lblWeb_Click()
{
    openWebAddress(window(), makerlinks::homePage());
}

void AboutScreen::lblEmail_Click()
{
    openWebAddress(window(), makerlinks::mailLink());
}

void AboutScreen::setShippedTexts(const QString &readMe, const QString &support)
{
    m_readMe = readMe;
    m_support = support;
}

void AboutScreen::cmdReadMe_Click()
{
    openLocalFile(window(), m_readMe);
}

void AboutScreen::cmdSupport_Click()
{
    openLocalFile(window(), m_support);
}
