#pragma once

#include "text/language.h"

#include <QList>
#include <QWidget>

#include <cstdint>

class QComboBox;
class QLabel;
class QToolButton;

// The current colour's schemes as swatches: the chosen harmony (the colour first), then rows of
// tints, shades and tones. A click makes a swatch's colour the current one; a right click asks
// for its menu.
class SchemeView : public QWidget
{
    Q_OBJECT
public:
    explicit SchemeView(QWidget *parent = nullptr);

    // Swatches in each variation row.
    static constexpr int kSteps = 7;

    void setColour(int32_t bgr);
    // What the swatches show now, harmony first, then the rows: empty when there is no colour.
    QList<int32_t> shownColours() const;

    void applyLanguage(Language language);

signals:
    void colourChosen(int32_t bgr);
    void menuRequested(int32_t bgr, QPoint global);

private:
    QToolButton *addSwatch(const QString &name, int x, int y, int width);
    void refresh();

    Language m_language = Language::English;
    int32_t m_colour = -1;
    QComboBox *m_harmony = nullptr;
    QList<QLabel *> m_rowLabels;
    QList<QToolButton *> m_harmonySwatches;
    QList<QToolButton *> m_rowSwatches; // kSteps a row, tints, shades, tones
    QLabel *m_hint = nullptr;
};
