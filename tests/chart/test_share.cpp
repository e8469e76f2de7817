// Charts sharing one display list.
#include "chartpixels.h"
#include "platform/messagebox.h"

#include <gtest/gtest.h>

#include <QStringList>
#include <memory>
#include <utility>

namespace {

// Collects the chart's information messages instead of showing them.
class TInformationRecorder {
public:
    TInformationRecorder()
        : m_saved(std::exchange(InformationBoxHandler, [this](const QString& text) { Messages << text; }))
    {
    }
    ~TInformationRecorder() { InformationBoxHandler = m_saved; }

    QStringList Messages;

private:
    std::function<void(const QString&)> m_saved;
};

const QString kMyself = QStringLiteral("Plotta: Cannot share data with myself");
const QString kForeign =
    QStringLiteral("Plotta: Cannot use foreign data. Other Plottas are using my own data.");
const QString kTooMany = QStringLiteral("Plotta: Max. number of data shares exceeded");

} // namespace

TEST(ChartSharing, RefusedRequestsAreExplainedAndChangeNothing)
{
    TInformationRecorder info;
    TPlotta owner, a, b, c, d, e, f;
    owner.SetUseDataOf(&owner);
    for (TPlotta* user : {&a, &b, &c, &d})
        user->SetUseDataOf(&owner);
    e.SetUseDataOf(&owner);
    e.SetUseDataOf(&a);
    EXPECT_EQ(e.UseDataOf(), nullptr);
    owner.SetUseDataOf(&f);
    owner.SetUseDataOf(nullptr);
    EXPECT_EQ(owner.UseDataOf(), nullptr);
    EXPECT_EQ(info.Messages, QStringList({kMyself, kTooMany, kTooMany, kForeign, kForeign}));

    // A user's list is its owner's: asking for a user binds to the owner.
    d.SetUseDataOf(nullptr);
    e.SetUseDataOf(&a);
    EXPECT_EQ(e.UseDataOf(), &owner);
    a.SetUseDataOf(&b);
    EXPECT_EQ(a.UseDataOf(), &owner);
    EXPECT_EQ(info.Messages.size(), 5);
}

TEST(ChartSharing, TheGroupSeesEveryChangeAndLeaversKeepACopy)
{
    TInformationRecorder info;
    TPlotta owner, user;
    UsePixelUnits(owner);
    UsePixelUnits(user);
    user.SetUseDataOf(&owner);
    owner.AddRectangle(10, 10, 20, 20, clBlue, false);
    user.AddMark(7, 100, 70);
    EXPECT_EQ(owner.DisplayList().Count(), 2);
    owner.ShowItems();
    EXPECT_EQ(user.DisplayList().LastShown(), 1);
    EXPECT_EQ(DataColorAt(user, 15, 15), clBlue) << "the user repaints with the owner";
    EXPECT_EQ(DataColorAt(owner, 100, 70), clBlack);

    user.ClearItems();
    EXPECT_EQ(owner.DisplayList().Count(), 0);
    owner.AddMark(7, 1, 1);
    user.SetUseDataOf(nullptr);
    user.AddMark(7, 2, 2);
    EXPECT_EQ(owner.DisplayList().Count(), 1);
    EXPECT_EQ(user.DisplayList().Count(), 2);

    // When the owner goes, each user keeps the items as its own.
    auto lender = std::make_unique<TPlotta>();
    TPlotta first, second;
    first.SetUseDataOf(lender.get());
    second.SetUseDataOf(lender.get());
    lender->AddMark(7, 0, 0);
    lender.reset();
    EXPECT_EQ(first.UseDataOf(), nullptr);
    first.AddMark(7, 1, 1);
    EXPECT_EQ(first.DisplayList().Count(), 2);
    EXPECT_EQ(second.DisplayList().Count(), 1);
    second.ShowItems();
    EXPECT_TRUE(info.Messages.isEmpty());
}
