#pragma once

#include "text/language.h"

#include <QObject>
#include <QTranslator>

class AppState;

// Qt's own dialogs and buttons (file and colour choosers, OK and Cancel) in the program's
// language, from Qt's translation files; switched whenever the language changes.
class QtDialogTexts : public QObject
{
    Q_OBJECT
public:
    explicit QtDialogTexts(AppState &state, QObject *parent = nullptr);
    ~QtDialogTexts() override;

    // Whether Qt's texts of a language other than English are in force.
    bool translated() const { return m_installed; }

private:
    void apply(Language language);

    QTranslator m_translator;
    bool m_installed = false;
};
