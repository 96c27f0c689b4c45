#include "base/fonts.h"

#include "base/text_fit.h"

#include <QFont>
#include <QString>
#include <QStringList>

// Q_INIT_RESOURCE must be used outside any namespace; calling it also keeps
// the linker from dropping the pictures out of the static library.
static void initPictures()
{
    Q_INIT_RESOURCE(pictures);
}

void prepareTutorLookAndFeel()
{
    static bool prepared = false;
    if (prepared)
        return;
    prepared = true;

    initPictures();
    // A text longer than its place, as a translation may be, still reads whole.
    textfit::fitEveryText();

    const QString sans = QStringLiteral("Liberation Sans");
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(
        QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    // Comic Neue first; other rounded, friendly faces where it is missing.
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
        { QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief"), QStringLiteral("Fredoka"),
            QStringLiteral("Quicksand"), sans });
}
