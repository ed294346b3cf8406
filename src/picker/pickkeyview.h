#pragma once

#include "text/language.h"

#include <QWidget>

class AppState;
class QKeySequenceEdit;
class QLabel;
class QPushButton;

// The global key that starts a pick from anywhere: the key to press, none, or back to the
// default; and how it stands on this desktop, with the command to bind by hand where the
// desktop gives programs no global keys.
class PickKeyView : public QWidget
{
    Q_OBJECT
public:
    explicit PickKeyView(AppState &state, QWidget *parent = nullptr);

    void applyLanguage(Language language);

private:
    void store(const QKeySequence &keys);
    void refresh();

    AppState &m_state;
    Language m_language = Language::English;
    QLabel *m_label = nullptr;
    QKeySequenceEdit *m_keys = nullptr;
    QPushButton *m_none = nullptr;
    QPushButton *m_default = nullptr;
    QLabel *m_status = nullptr;
};
