#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// What each write of the desktop registration records in the settings
// ("ddeins") when it fails, so that the next start tries again. 0 means every
// write succeeded.
enum class RegistrationFailure : std::int32_t {
    None = 0,
    // update-desktop-database: the cache from which the desktop learns which
    // program opens the type.
    DesktopDatabase = 30,
    // mime/packages/tavelle.xml: *.tvle files, and files carrying the drawing
    // signature, are application/x-tavelle.
    MimePackage = 31,
    // icons/hicolor/<size>/apps/tavelle.png: the program's and the type's icon.
    Icon = 32,
    // applications/tavelle.desktop: the program, with the command that opens a drawing.
    DesktopEntry = 33,
    // update-mime-database: the desktop's database of types, built from the packages.
    MimeDatabase = 37,
};

// How a run of one of the desktop's database tools went.
enum class ToolRun { Missing, Succeeded, Failed };
// Runs a tool by name with the given arguments and waits for it.
using ToolRunner = std::function<ToolRun(const QString& tool, const QStringList& arguments)>;
// Looks the tool up in PATH; a tool that is not installed is Missing.
ToolRun runInstalledTool(const QString& tool, const QStringList& arguments);

// Registers the drawing file type with a freedesktop desktop, in the user's
// own data folder: the type application/x-tavelle for "*.tvle" files, a
// desktop entry that hands a double-clicked drawing to the editor
// (`<executable> -open <file>`), the icon, and the desktop's caches, rebuilt
// with update-mime-database and update-desktop-database when those are
// installed. Files are replaced whole, so a failure never leaves half a file.
class DesktopRegistration {
public:
    struct Setup {
        QString dataHome; // the user's data folder; see defaultDataHome()
        QString executable; // absolute path of the program the desktop starts
        std::function<QImage(int size)> icon; // the icon drawn size x size pixels
        ToolRunner runTool = runInstalledTool;
    };

    // The sizes the icon is written in.
    static constexpr int kIconSizes[] = { 16, 24, 32, 48, 64, 128, 256 };

    explicit DesktopRegistration(Setup setup);

    // $XDG_DATA_HOME when it is an absolute path, otherwise ~/.local/share.
    static QString defaultDataHome();

    // Makes every write, going on after a failure; returns the code of the
    // last write that failed, or None.
    RegistrationFailure write() const;

    // The desktop entry's Exec value: the executable, quoted only when its
    // path needs it, then "-open %f".
    QString openCommand() const;

    QString mimePackagePath() const;
    QString desktopEntryPath() const;
    QString iconPath(int size) const;

private:
    bool writeMimePackage() const;
    bool writeIcons() const;
    bool writeDesktopEntry() const;
    bool runTool(const QString& tool, const QString& folder) const;

    Setup setup_;
};

// `argument` as one argument of a desktop entry's Exec value: unchanged when
// it holds no character the format reserves, otherwise double-quoted with
// the format's escapes; "%" is doubled either way.
QString desktopExecArgument(const QString& argument);
