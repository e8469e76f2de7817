#pragma once
// The about box: name, version, authors, description and two web links. The main
// window fills its texts at start and shows it as the start-up splash.
#include <QDialog>
#include <QUrl>
#include <functional>

class QFrame;
class QLabel;
class TBitBtn;

class TFrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit TFrmAbout(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* LblName = nullptr;
    QLabel* LblVersion = nullptr;
    QLabel* LblAuthor = nullptr;
    QLabel* LblCopyright = nullptr;
    QLabel* LblDescription = nullptr;
    QFrame* Panel2 = nullptr;
    QLabel* LblWebSite = nullptr;
    QLabel* LblHomePage = nullptr;
    QLabel* LblSimus = nullptr;
    TBitBtn* BButOK = nullptr;

    // The addresses of the two links, set by the main window from the language file,
    // and the folder in which an address without a scheme names a page (the program's
    // own pages, which work offline).
    QString HomePageURL;
    QString SimulationsPageURL;
    QString LocalPagesFolder;

    // Shows the links whose addresses lead to a page, with the simulations link
    // reading its address; hides the others, and their panel when none is left.
    void ShowLinks();

    // Opens an address with the desktop's default action; the result is not checked.
    std::function<void(const QUrl&)> OpenAddress;

    // Opens an address with the busy cursor showing meanwhile.
    void OpenWithBusyCursor(const QUrl& address);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetLinkColor(QLabel* link, const QColor& color);
};

// The page an address leads to: a URL with a scheme as it stands, or else a file of
// that name in folder; an empty URL when it leads nowhere (no such file, or the key
// itself that a lookup without a language entry gives).
QUrl LinkTarget(const QString& address, const QString& folder);

extern TFrmAbout* FrmAbout;
