#include "controls/common/matrix.h"

#include <QMetaProperty>
#include <climits>
#include <gtest/gtest.h>

namespace {

// AddressSanitizer ends the process when operator new cannot allocate instead of
// throwing std::bad_alloc, so a refusal by the allocator itself is checked only in
// builds without it.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SLOPELAB_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(SLOPELAB_ADDRESS_SANITIZER)
constexpr bool kFailedAllocationsThrow = false;
#else
constexpr bool kFailedAllocationsThrow = true;
#endif

template <typename M>
class MatrixTest : public ::testing::Test {
protected:
    MatrixTest()
    {
        matrix.OnChange = [this](QObject* sender) {
            EXPECT_EQ(sender, &matrix);
            ++changes;
        };
    }

    // Fills the matrix with 10·c + r.
    void Fill()
    {
        for (int c = 1; c <= matrix.NrOfColumns(); ++c)
            for (int r = 1; r <= matrix.NrOfRows(); ++r)
                matrix.SetElem(c, r, 10 * c + r);
    }

    M matrix;
    int changes = 0;
};

using MatrixTypes = ::testing::Types<TMatrix, TIntMatrix>;
TYPED_TEST_SUITE(MatrixTest, MatrixTypes);

QStringList PropertyNames(const QObject& object)
{
    QStringList names;
    const QMetaObject* meta = object.metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
        names << QString::fromLatin1(meta->property(i).name());
    return names;
}

} // namespace

TYPED_TEST(MatrixTest, NewMatrixIsOneByOneZero)
{
    EXPECT_EQ(this->matrix.NrOfColumns(), 1);
    EXPECT_EQ(this->matrix.NrOfRows(), 1);
    EXPECT_TRUE(this->matrix.DataID().isEmpty());
    EXPECT_EQ(this->matrix.GetElem(1, 1), 0);
    EXPECT_EQ(this->matrix.GetElem(2, 1), 0);
}

TYPED_TEST(MatrixTest, WritesInsideStoreAndNotifyOutsideAreIgnored)
{
    auto& m = this->matrix;
    m.Resize(50, 50);
    EXPECT_EQ(this->changes, 1);
    this->Fill();
    EXPECT_EQ(this->changes, 1 + 50 * 50);
    EXPECT_EQ(m.GetElem(50, 50), 550);
    EXPECT_EQ(m.GetElem(3, 7), 37);

    for (auto [c, r] : {std::pair{51, 1}, {1, 51}, {0, 1}, {1, 0}, {-1, -1}})
        m.SetElem(c, r, 99);
    EXPECT_EQ(this->changes, 1 + 50 * 50);
    EXPECT_EQ(m.GetElem(51, 1), 0);
    EXPECT_EQ(m.GetElem(0, 50), 0);
    EXPECT_EQ(m.GetElem(50, -3), 0);
}

TYPED_TEST(MatrixTest, AllElementsAtOnceGoColumnAfterColumnWithOneNotice)
{
    auto& m = this->matrix;
    m.Resize(2, 3);
    const int changesBefore = this->changes;
    m.SetElems({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(m.GetElem(1, 3), 3);
    EXPECT_EQ(m.GetElem(2, 1), 4);
    EXPECT_EQ(this->changes, changesBefore + 1);

    m.SetElems({7, 8, 9, 10, 11}); // not the matrix's size
    EXPECT_EQ(m.GetElem(1, 1), 1);
    EXPECT_EQ(this->changes, changesBefore + 1);
}

TYPED_TEST(MatrixTest, ResizeKeepsTheOverlapOnly)
{
    auto& m = this->matrix;
    m.Resize(2, 3);
    this->Fill();
    EXPECT_TRUE(m.Resize(3, 2));
    EXPECT_EQ(m.GetElem(1, 1), 11);
    EXPECT_EQ(m.GetElem(2, 2), 22);
    EXPECT_EQ(m.GetElem(1, 3), 0); // row 3 is gone
    EXPECT_EQ(m.GetElem(3, 1), 0); // new column starts at 0
    EXPECT_EQ(m.GetElem(3, 2), 0);

    m.Resize(1, 1);
    m.Resize(2, 2);
    EXPECT_EQ(m.GetElem(1, 1), 11);
    EXPECT_EQ(m.GetElem(2, 2), 0); // dropped values do not come back
}

TYPED_TEST(MatrixTest, CountSettersRaiseToOneAndKeepTheOtherCount)
{
    auto& m = this->matrix;
    m.Resize(4, 5);
    m.SetElem(2, 3, 7);
    m.SetNrOfRows(0);
    EXPECT_EQ(m.NrOfRows(), 1);
    EXPECT_EQ(m.NrOfColumns(), 4);
    m.SetNrOfRows(3);
    m.SetNrOfColumns(-8);
    EXPECT_EQ(m.NrOfColumns(), 1);
    EXPECT_EQ(m.NrOfRows(), 3);
    m.SetNrOfColumns(2);
    EXPECT_EQ(m.GetElem(2, 1), 0); // was dropped when NrOfRows went to 1
}

TYPED_TEST(MatrixTest, AbsurdSizeRaisesAndLeavesTheMatrixAlone)
{
    auto& m = this->matrix;
    m.Resize(2, 2);
    m.SetElem(2, 2, 5);
    const int changesBefore = this->changes;

    m.setObjectName(QStringLiteral("ErrGrid"));
    try {
        m.Resize(INT_MAX, INT_MAX); // more elements than a vector can count
        FAIL() << "no error raised";
    } catch (const EGryphMatrixError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Component \"ErrGrid\": not enough memory on heap"));
    }
    // Countable, but far beyond any address space: only the allocator refuses.
    if (kFailedAllocationsThrow) {
        EXPECT_THROW(m.Resize(1 << 30, 1 << 28), EGryphMatrixError);
    }

    EXPECT_EQ(m.NrOfColumns(), 2);
    EXPECT_EQ(m.NrOfRows(), 2);
    EXPECT_EQ(m.GetElem(2, 2), 5);
    EXPECT_EQ(this->changes, changesBefore);
}

TEST(MatrixError, UnnamedMatrixGivesEmptyQuotes)
{
    TMatrix m;
    try {
        m.Resize(INT_MAX, INT_MAX);
        FAIL() << "no error raised";
    } catch (const EGryphError& e) {
        EXPECT_STREQ(e.what(), "Component \"\": not enough memory on heap");
    }
    EXPECT_EQ(m.NrOfColumns(), 1);
}

TEST(Matrix, ResizeRulesDifferBetweenTheTwoKinds)
{
    int changes = 0;
    TMatrix real;
    real.OnChange = [&](QObject*) { ++changes; };
    real.Resize(3, 3);
    real.SetElem(3, 3, 1.5);
    changes = 0;
    EXPECT_TRUE(real.Resize(3, 3)); // same size still reallocates and notifies
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(real.GetElem(3, 3), 1.5);
    EXPECT_TRUE(real.Resize(0, -2)); // never below 1 x 1
    EXPECT_EQ(real.NrOfColumns(), 1);
    EXPECT_EQ(real.NrOfRows(), 1);

    TIntMatrix integer;
    integer.OnChange = [&](QObject*) { ++changes; };
    integer.Resize(3, 3);
    changes = 0;
    EXPECT_FALSE(integer.Resize(3, 3));
    EXPECT_FALSE(integer.Resize(0, 4));
    EXPECT_FALSE(integer.Resize(4, -1));
    integer.SetNrOfRows(3);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(integer.NrOfColumns(), 3);
    EXPECT_TRUE(integer.Resize(3, 4));
    EXPECT_EQ(changes, 1);
}

TEST(Matrix, MinMaxScansTheClampedRectangleInEitherOrder)
{
    TMatrix m;
    double lo = 1, hi = 1;
    m.MinMax(1, 1, m.NrOfColumns(), m.NrOfRows(), lo, hi);
    EXPECT_EQ(lo, 0.0);
    EXPECT_EQ(hi, 0.0);

    m.Resize(4, 4);
    for (int c = 1; c <= 4; ++c)
        for (int r = 1; r <= 4; ++r)
            m.SetElem(c, r, c * r * (c == r ? -1.0 : 1.0));
    m.MinMax(2, 1, 3, 2, lo, hi); // 2, 3, -4, 6
    EXPECT_EQ(lo, -4.0);
    EXPECT_EQ(hi, 6.0);
    double lo2 = 0, hi2 = 0;
    m.MinMax(3, 2, 2, 1, lo2, hi2);
    EXPECT_EQ(lo2, lo);
    EXPECT_EQ(hi2, hi);

    m.MinMax(-5, 4, 99, 99, lo, hi); // the last row: 4, 8, 12, -16
    EXPECT_EQ(lo, -16.0);
    EXPECT_EQ(hi, 12.0);
}

TEST(Matrix, PublishedPropertiesInDeclaredOrder)
{
    TMatrix real;
    TIntMatrix integer;
    EXPECT_EQ(PropertyNames(real), (QStringList{"NrOfColumns", "NrOfRows", "DataID"}));
    EXPECT_EQ(PropertyNames(integer), (QStringList{"DataID", "NrOfColumns", "NrOfRows"}));
    EXPECT_TRUE(integer.setProperty("NrOfRows", 0));
    EXPECT_EQ(integer.NrOfRows(), 1);
    EXPECT_TRUE(real.setProperty("DataID", QStringLiteral("errors")));
    EXPECT_EQ(real.DataID(), QStringLiteral("errors"));
}
