#pragma once
// A main window stepped to the tutorial's last page, with its information boxes
// collected instead of shown and a temporary folder for the files a test writes.
#include "app/formkit.h"
#include "app/frmmain.h"
#include "platform/messagebox.h"

#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class MainWindowOnLastPage : public ::testing::Test {
protected:
    TFrmMain form{1};
    QStringList messages;
    QTemporaryDir dir;

    void SetUp() override
    {
        InformationBoxHandler = [this](const QString& text) { messages << text; };
        while (form.SBNext->isEnabled())
            form.SBNext->click();
    }
    void TearDown() override { InformationBoxHandler = nullptr; }
};
