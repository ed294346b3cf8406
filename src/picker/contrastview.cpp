#include "picker/contrastview.h"

#include "picker/colourpaneltexts.h"

#include "base/colorconv.h"
#include "colour/colorvalue.h"
#include "colour/colourblind.h"
#include "colour/contrast.h"
#include "ui/controls.h"

#include <QLabel>
#include <QPainter>
#include <QToolButton>

using namespace colourpaneltexts;

namespace {

QString text(const char *key, Language language) { return captionOf(kTexts, key, language); }

QString previewStyle(int32_t text, int32_t background)
{
    return QStringLiteral("background: %1; color: %2; border: 1px solid #808080;")
        .arg(toQColor(background).name(), toQColor(text).name());
}

QString mark(bool ok) { return ok ? QStringLiteral("✓") : QStringLiteral("✗"); }

constexpr const char *kSeenKeys[] = { "protanopia", "deuteranopia", "tritanopia" };

} // namespace

ContrastView::ContrastView(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ContrastView"));
    auto place = [this](QWidget *w, const char *name, int x, int y, int width, int height) {
        placeIn(this, w, name, x, y, width, height);
    };
    m_contrastLabel = new QLabel;
    place(m_contrastLabel, "LblContrast", 4, 4, 134, 18);
    m_backgroundButton = new QToolButton;
    place(m_backgroundButton, "CmdBackground", 138, 2, 86, 22);
    m_backgroundButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_backgroundButton->setAutoRaise(true);
    connect(m_backgroundButton, &QToolButton::clicked, this, &ContrastView::backgroundRequested);
    m_ratio = new QLabel;
    place(m_ratio, "LblRatio", 224, 4, 62, 18);
    m_ratio->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont bold = m_ratio->font();
    bold.setBold(true);
    m_ratio->setFont(bold);
    m_verdict = new QLabel;
    place(m_verdict, "LblVerdict", 4, 26, 282, 18);
    m_apca = new QLabel;
    place(m_apca, "LblApca", 4, 46, 282, 18);

    m_preview = new QLabel;
    place(m_preview, "LblPreview", 4, 68, 252, 26);
    m_preview->setAlignment(Qt::AlignCenter);
    QFont large = m_preview->font();
    large.setPointSizeF(11);
    m_preview->setFont(large);
    m_swap = new QToolButton;
    place(m_swap, "CmdSwap", 260, 68, 26, 26);
    m_swap->setText(QStringLiteral("⇄"));
    m_swap->setCheckable(true);
    connect(m_swap, &QToolButton::toggled, this, &ContrastView::refresh);

    m_seenLabel = new QLabel;
    place(m_seenLabel, "LblSeenAs", 4, 98, 282, 18);
    for (int i = 0; i < 3; ++i) {
        m_seen[i] = new QLabel;
        place(m_seen[i], QStringLiteral("LblSeen(%1)").arg(i).toLatin1().constData(), 4 + i * 95,
            118, 91, 24);
        m_seen[i]->setAlignment(Qt::AlignCenter);
    }
}

void ContrastView::setColours(int32_t current, int32_t background)
{
    m_current = current;
    m_background = background;
    refresh();
}

void ContrastView::applyLanguage(Language language)
{
    m_language = language;
    m_contrastLabel->setText(text("contrast", language));
    m_swap->setToolTip(text("swap", language));
    m_backgroundButton->setToolTip(text("backgroundTip", language));
    m_seenLabel->setText(text("seenAs", language));
    for (int i = 0; i < 3; ++i) {
        m_seen[i]->setText(text(kSeenKeys[i], language));
        m_seen[i]->setToolTip(text(QByteArray(kSeenKeys[i]).append("Tip").constData(), language));
    }
    refresh();
}

void ContrastView::refresh()
{
    const bool colour = colorvalue::isColor(m_current);
    // The ratio is the same either way round; the preview, APCA's polarity and the simulations
    // follow the chosen way.
    int32_t textColour = colour ? m_current : 0;
    int32_t backColour = m_background;
    m_backgroundButton->setIcon(swatchIcon(m_background));
    m_backgroundButton->setText(colorvalue::htmlNotation(m_background));
    if (m_swap->isChecked())
        std::swap(textColour, backColour);
    m_preview->setText(text("sample", m_language));
    m_preview->setStyleSheet(previewStyle(textColour, backColour));
    for (int i = 0; i < 3; ++i) {
        const colourblind::Deficiency d = colourblind::kDeficiencies[i];
        m_seen[i]->setStyleSheet(previewStyle(
            colourblind::simulate(textColour, d), colourblind::simulate(backColour, d)));
    }
    if (!colour) {
        m_ratio->clear();
        m_verdict->clear();
        m_apca->clear();
        return;
    }
    m_ratio->setText(
        QStringLiteral("%1 : 1").arg(contrast::shownRatio(m_current, m_background), 0, 'f', 2));
    const contrast::Verdict v = contrast::judge(contrast::ratio(m_current, m_background));
    m_verdict->setText(
        text("verdict", m_language)
            .arg(mark(v.aaNormal), mark(v.aaLarge), mark(v.aaaNormal), mark(v.aaaLarge)));
    const double lc = contrast::apcaLc(textColour, backColour);
    const contrast::ApcaReading r = contrast::readApca(lc);
    m_apca->setText(text("apca", m_language)
                        .arg(QString::number(lc, 'f', 1), mark(r.bodyText), mark(r.largeText),
                            mark(r.nonText)));
    m_apca->setToolTip(text("apcaTip", m_language));
}
