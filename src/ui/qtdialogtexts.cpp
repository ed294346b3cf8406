#include "ui/qtdialogtexts.h"

#include "ui/appstate.h"

#include <QCoreApplication>
#include <QLibraryInfo>

QtDialogTexts::QtDialogTexts(AppState &state, QObject *parent)
    : QObject(parent)
{
    apply(state.language());
    connect(&state, &AppState::langueChanged, this,
        [this](const QString &identifier) { apply(languageFromId(identifier)); });
}

QtDialogTexts::~QtDialogTexts()
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
}

void QtDialogTexts::apply(Language language)
{
    if (m_installed)
        QCoreApplication::removeTranslator(&m_translator);
    m_installed = false;
    const char *file = language == Language::French ? "qtbase_fr"
        : language == Language::Spanish             ? "qtbase_es"
                                                    : nullptr;
    // Without Qt's translation files installed the dialogs simply stay in English.
    if (file
        && m_translator.load(
            QString::fromLatin1(file), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        m_installed = QCoreApplication::installTranslator(&m_translator);
}
