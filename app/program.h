#pragma once
// Program start: the four windows in their creation order,
// and the screenshot mode that renders them to PNG files instead of showing them.
#include "app/frmmain.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

class TFrmSetPoints;
class TFrmAbout;
class TFrmPlot3D;

// The program's name as the learner reads it.
inline const QString ProductName = QStringLiteral("SlopeLab");

// Gives the application the product name, which its information boxes carry as title.
void NameTheApplication();

// The program's windows, created in the order the program needs them and
// destroyed in reverse order. Each one is also reachable through its global.
class TProgramWindows {
public:
    explicit TProgramWindows(std::optional<std::uint64_t> seed, const TFrmMain::TLinkSetup& setUpLink = {});
    ~TProgramWindows();

private:
    std::unique_ptr<TFrmMain> m_main;
    std::unique_ptr<TFrmSetPoints> m_setPoints;
    std::unique_ptr<TFrmAbout> m_about;
    std::unique_ptr<TFrmPlot3D> m_plot3D;
};

// Steps the tutorial to the page, renders every window that exists into DIR as PNG,
// and the chart as chart.svg and chart.pdf.
// Returns false with an error text when a file cannot be written.
bool WriteScreenshots(const QString& dir, int page, QString& error);

// Tells the user that the program cannot go on: on standard error, and in a message
// box where there is a screen to show it on. Returns the program's exit status.
int ReportFatalError(const QString& message);
