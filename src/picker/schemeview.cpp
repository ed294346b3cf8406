#include "picker/schemeview.h"

#include "picker/colourpaneltexts.h"

#include "base/colorconv.h"
#include "colour/colorvalue.h"
#include "colour/colourschemes.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

using namespace colourpaneltexts;
using namespace colourschemes;

namespace {

QString text(const char *key, Language language) { return captionOf(kTexts, key, language); }

constexpr int kMostHarmony = 4; // the tetradic square
constexpr const char *kRowKeys[] = { "tints", "shades", "tones" };
constexpr Variation kRows[] = { Variation::Tints, Variation::Shades, Variation::Tones };

} // namespace

SchemeView::SchemeView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SchemeView"));
    m_harmony = new QComboBox(this);
    m_harmony->setObjectName(QStringLiteral("CboHarmony"));
    m_harmony->setGeometry(4, 4, 172, 24);
    connect(m_harmony, &QComboBox::currentIndexChanged, this, &SchemeView::refresh);
    for (int i = 0; i < kMostHarmony; ++i)
        m_harmonySwatches << addSwatch(QStringLiteral("Harmony(%1)").arg(i), 180 + i * 27, 5, 25);
    for (int row = 0; row < 3; ++row) {
        const int y = 34 + row * 26;
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("LblScheme(%1)").arg(row));
        label->setGeometry(4, y, 64, 22);
        m_rowLabels << label;
        for (int i = 0; i < kSteps; ++i)
            m_rowSwatches << addSwatch(
                QStringLiteral("Scheme(%1)").arg(row * kSteps + i), 68 + i * 31, y, 29);
    }
    m_hint = new QLabel(this);
    m_hint->setObjectName(QStringLiteral("LblSchemeHint"));
    m_hint->setGeometry(4, 114, 282, 36);
    m_hint->setWordWrap(true);
    m_hint->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont small = m_hint->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    m_hint->setFont(small);
}

QToolButton *SchemeView::addSwatch(const QString &name, int x, int y, int width)
{
    auto *swatch = new QToolButton(this);
    swatch->setObjectName(name);
    swatch->setGeometry(x, y, width, 22);
    swatch->setContextMenuPolicy(Qt::CustomContextMenu);
    // The colour a swatch shows is kept on it, so a click takes what is painted.
    connect(swatch, &QToolButton::clicked, this, [this, swatch] {
        if (const auto c = swatch->property("colour"); c.isValid())
            emit colourChosen(c.toInt());
    });
    connect(swatch, &QToolButton::customContextMenuRequested, this, [this, swatch](QPoint at) {
        if (const auto c = swatch->property("colour"); c.isValid())
            emit menuRequested(c.toInt(), swatch->mapToGlobal(at));
    });
    return swatch;
}

void SchemeView::setColour(int32_t bgr)
{
    m_colour = bgr;
    refresh();
}

void SchemeView::applyLanguage(Language language)
{
    m_language = language;
    const int chosen = qMax(0, m_harmony->currentIndex());
    {
        const QSignalBlocker quiet(m_harmony);
        m_harmony->clear();
        for (const HarmonyInfo &h : harmonies())
            m_harmony->addItem(harmonyName(h.harmony, language), QString::fromLatin1(h.id));
        m_harmony->setCurrentIndex(chosen);
    }
    for (int row = 0; row < 3; ++row)
        m_rowLabels.at(row)->setText(text(kRowKeys[row], language));
    m_hint->setText(text("schemeHint", language));
    refresh();
}

QList<int32_t> SchemeView::shownColours() const
{
    QList<int32_t> colours;
    for (QToolButton *swatch : m_harmonySwatches + m_rowSwatches)
        if (const auto c = swatch->property("colour"); c.isValid())
            colours << c.toInt();
    return colours;
}

void SchemeView::refresh()
{
    const bool colour = colorvalue::isColor(m_colour);
    const auto chosen = harmonyFromId(m_harmony->currentData().toString());
    const QList<int32_t> harmonyColours
        = colour && chosen ? harmony(m_colour, *chosen) : QList<int32_t>();
    QList<int32_t> rowColours;
    for (Variation v : kRows)
        rowColours += colour ? variation(m_colour, v, kSteps) : QList<int32_t>();
    const auto paint = [](const QList<QToolButton *> &swatches, const QList<int32_t> &colours) {
        for (int i = 0; i < swatches.size(); ++i) {
            QToolButton *swatch = swatches.at(i);
            const bool shown = i < colours.size();
            swatch->setVisible(shown);
            swatch->setProperty("colour", shown ? QVariant(colours.at(i)) : QVariant());
            if (!shown)
                continue;
            swatch->setStyleSheet(QStringLiteral("background: %1; border: 1px solid #808080;")
                                      .arg(toQColor(colours.at(i)).name()));
            swatch->setToolTip(colorvalue::htmlNotation(colours.at(i)));
        }
    };
    paint(m_harmonySwatches, harmonyColours);
    paint(m_rowSwatches, rowColours);
}
