#include "platform/messagebox.h"

#include <QApplication>
#include <QMessageBox>

std::function<void(const QString& text)> InformationBoxHandler = [](const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
};

void ShowInformation(const QString& text)
{
    if (InformationBoxHandler)
        InformationBoxHandler(text);
}
