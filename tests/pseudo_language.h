#pragma once

#include <QTranslator>

// Test languages made from the English texts themselves, so that any screen
// can be tried in a language no one has translated yet:
//  - Mirrored turns every text round and marks it right to left, and tells
//    Qt the language is written right to left, as Arabic or Hebrew would;
//  - Longer makes every text 40 % longer with accented letters, as a long
//    translation would.
// Placeholders (%1, %n), markup tags, entities and the "&" of a shortcut stay
// as they are, so every text still works.
class PseudoLanguage : public QTranslator
{
    Q_OBJECT

public:
    enum Kind { Mirrored, Longer };

    explicit PseudoLanguage(Kind kind, QObject *parent = nullptr);

    QString translate(const char *context, const char *sourceText,
        const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    // A text as the language writes it.
    static QString pseudo(Kind kind, const QString &text);

private:
    Kind m_kind;
};
