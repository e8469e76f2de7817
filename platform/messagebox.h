#pragma once
// The modal information box with an OK button, for conditions the user caused.
#include <QString>
#include <functional>

// Shows text in a modal information box and returns when it is closed.
void ShowInformation(const QString& text);

// What ShowInformation does; tests replace it to see the text without a modal box.
extern std::function<void(const QString& text)> InformationBoxHandler;
