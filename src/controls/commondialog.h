#pragma once

#include <QString>

#include <cstdint>

class QWidget;

// Colour, open and save dialogs driven by properties set before showing and read after.
// Each Show* returns true when the user confirmed. On cancel it returns false and leaves
// every property unchanged; when CancelError is set the caller must treat that false as the
// cancel error and change nothing.
class CommonDialog
{
public:
    enum Flag : uint32_t {
        OverwritePrompt = 0x2,
        HideReadOnly = 0x4,
        NoChangeDir = 0x8,
        ExtensionDifferent = 0x400,
        PathMustExist = 0x800,
        FileMustExist = 0x1000,
        Explorer = 0x80000,
    };

    enum class Kind { Color, Open, Save };

    explicit CommonDialog(QWidget *owner = nullptr);

    int32_t Color = 0; // 0x00BBGGRR
    QString FileName; // proposed name in, full chosen path out
    QString FileTitle; // chosen name without directory, out
    QString InitDir;
    QString DialogTitle;
    QString Filter; // "Description|pattern|Description|pattern|"
    int FilterIndex = 0; // counted from 1
    QString DefaultExt;
    uint32_t Flags = 0;
    bool CancelError = false;

    bool ShowColor();
    bool ShowOpen();
    bool ShowSave();

    QWidget *owner() const { return m_owner; }

    // What a back end answers.
    struct Answer
    {
        bool ok = false;
        QString path; // file dialogs
        int32_t color = 0; // colour dialog
    };

    // Replaceable back end: tests install a scripted one.
    class Backend
    {
    public:
        virtual ~Backend() = default;
        virtual Answer run(Kind kind, const CommonDialog &dialog) = 0;
    };
    static void setBackend(Backend *backend); // nullptr restores the real dialogs

    // Name filters in Qt's form ("Description (*.bmp)") from the property's pairs.
    static QStringList qtFilters(const QString &filter);

    // Why a dialog of this kind and flags must refuse a chosen path, or empty when it may take
    // it: the path-must-exist bit wants the folder to exist, the file-must-exist bit (opening
    // only) the file. Every back end keeps its dialog open on a refused name.
    static QString refusal(Kind kind, uint32_t flags, const QString &path);

private:
    bool show(Kind kind);
    QWidget *m_owner;
};
