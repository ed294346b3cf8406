#pragma once

#include "controls/commondialog.h"
#include "icon/faviconset.h"
#include "icon/sourcepicture.h"
#include "text/language.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QWidget>

#include <cstdint>

class AppState;
class IconSizesPreview;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

// What the converter offers beyond its designed 32 x 32 icon, folded out below it: any
// picture in, an icon file of several sizes and the favicon set of a web site out, with a
// preview of every size on light and dark.
class ModernIconPanel : public QWidget
{
    Q_OBJECT
public:
    ModernIconPanel(AppState &state, QWidget *parent);

    static int unfoldedHeight();

    void applyLanguage(Language language);

    QList<int> chosenSizes() const;
    sourcepicture::Fit fit() const;
    const sourcepicture::Picture &picture() const { return m_picture; }

signals:
    // Text to put on the clipboard.
    void copyRequested(const QString &text);

private:
    void buildControls();
    void openPicture();
    void refreshPreview();
    void chooseBackground();
    void saveIco();
    void makeFaviconSet();
    void writeFaviconSet(bool replaceConfirmed);
    void hideConfirmation();
    void fitLinkLines();
    QString text(const char *key) const;
    void say(const QString &message);

    AppState &m_state;
    Language m_language = Language::English;
    CommonDialog m_dialog;
    sourcepicture::Picture m_picture;
    QHash<int, QImage> m_squares; // the preview's pictures by size and fit
    QString m_baseName;
    int32_t m_background = 0xFFFFFF;
    QString m_faviconFolder;

    QPushButton *m_open = nullptr;
    QLabel *m_pictureName = nullptr;
    QLabel *m_sizesLabel = nullptr;
    QList<QCheckBox *> m_sizes;
    QRadioButton *m_centre = nullptr;
    QRadioButton *m_crop = nullptr;
    QLabel *m_backgroundLabel = nullptr;
    QPushButton *m_backgroundSwatch = nullptr;
    QScrollArea *m_previewArea = nullptr;
    IconSizesPreview *m_preview = nullptr;
    QPushButton *m_saveIco = nullptr;
    QPushButton *m_favicon = nullptr;
    QLabel *m_confirm = nullptr;
    QPushButton *m_replace = nullptr;
    QLabel *m_siteNameLabel = nullptr;
    QLineEdit *m_siteName = nullptr;
    QLabel *m_linksLabel = nullptr;
    QPlainTextEdit *m_links = nullptr;
    QPushButton *m_copyLinks = nullptr;
};
