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

    // The home-page address, set by the main window from the language file.
    QString HomePageURL;

    // Opens an address with the desktop's default action; the result is not checked.
    std::function<void(const QUrl&)> OpenAddress;

    // Opens an address with the busy cursor showing meanwhile.
    void OpenWithBusyCursor(const QString& address);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SetLinkColor(QLabel* link, const QColor& color);
};

// The address of the publisher's page of simulations.
extern const QString SimulationsPageURL;

extern TFrmAbout* FrmAbout;
