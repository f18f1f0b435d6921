#pragma once

#include <QCoreApplication>
#include <QTranslator>

// Marks every text that went through the translation system as ⟦text⟧. A
// message glued from pieces shows up as several marks, or as words outside
// them; a whole sentence is one mark with only its arguments filled in.
class PseudoTranslator : public QTranslator
{
public:
    PseudoTranslator() { QCoreApplication::installTranslator(this); }
    ~PseudoTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *source, const char *, int) const override
    {
        return QChar(0x27e6) + QString::fromUtf8(source) + QChar(0x27e7);
    }
};
