#pragma once

#include "text/language.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QToolButton;

// How the current colour reads on a background: the WCAG 2.2 ratio with its verdicts, APCA's
// lightness contrast with its reading, a preview of text on the background (either way round),
// and that preview as seen with protanopia, deuteranopia and tritanopia.
class ContrastView : public QWidget
{
    Q_OBJECT
public:
    explicit ContrastView(QWidget *parent = nullptr);

    // The colour shown (or not a colour) and the background it is measured on.
    void setColours(int32_t current, int32_t background);
    QToolButton *backgroundButton() const { return m_backgroundButton; }

    void applyLanguage(Language language);

signals:
    // The background button was clicked: time to offer another.
    void backgroundRequested();

private:
    void refresh();

    Language m_language = Language::English;
    int32_t m_current = -1;
    int32_t m_background = 0xFFFFFF;

    QLabel *m_contrastLabel = nullptr;
    QToolButton *m_backgroundButton = nullptr;
    QLabel *m_ratio = nullptr;
    QLabel *m_verdict = nullptr;
    QLabel *m_apca = nullptr;
    QLabel *m_preview = nullptr;
    QToolButton *m_swap = nullptr; // the current colour as the background, the text in the other
    QLabel *m_seenLabel = nullptr;
    std::array<QLabel *, 3> m_seen {}; // by colourblind::Deficiency
};
