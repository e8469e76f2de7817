#include "controls/common/matrix.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// Sentinels MinMax starts from (and returns when it finds nothing).
constexpr double kMinMaxStart = 1.7e38;

} // namespace

template <typename T>
TMatrixOf<T>::TMatrixOf(QObject* owner)
    : TMatrixNotifier(owner)
{
    try {
        m_elems.assign(1, T{});
    } catch (const std::bad_alloc&) {
        throw OutOfMemory();
    }
}

template <typename T>
void TMatrixOf<T>::SetNrOfColumns(int value)
{
    Resize(std::max(value, 1), m_rows);
}

template <typename T>
void TMatrixOf<T>::SetNrOfRows(int value)
{
    Resize(m_columns, std::max(value, 1));
}

template <typename T>
bool TMatrixOf<T>::Contains(int column, int row) const
{
    return column >= 1 && column <= m_columns && row >= 1 && row <= m_rows;
}

template <typename T>
std::size_t TMatrixOf<T>::IndexOf(int column, int row) const
{
    return std::size_t(column - 1) * std::size_t(m_rows) + std::size_t(row - 1);
}

template <typename T>
T TMatrixOf<T>::GetElem(int column, int row) const
{
    return Contains(column, row) ? m_elems[IndexOf(column, row)] : T{};
}

template <typename T>
void TMatrixOf<T>::SetElem(int column, int row, T value)
{
    if (!Contains(column, row))
        return;
    m_elems[IndexOf(column, row)] = value;
    NotifyChange();
}

template <typename T>
void TMatrixOf<T>::SetElems(std::vector<T> elems)
{
    if (elems.size() != m_elems.size())
        return;
    m_elems = std::move(elems);
    NotifyChange();
}

template <typename T>
std::vector<T> TMatrixOf<T>::ResizedElems(int columns, int rows) const
{
    // Both counts are positive ints, so their product fits in 64 bits; it must also
    // fit in what a vector can hold before anything is allocated.
    const auto count = std::uint64_t(columns) * std::uint64_t(rows);
    std::vector<T> elems;
    if (count > elems.max_size())
        throw OutOfMemory();
    try {
        elems.assign(std::size_t(count), T{});
    } catch (const std::bad_alloc&) {
        throw OutOfMemory();
    }
    const int keptRows = std::min(rows, m_rows);
    for (int c = 1; c <= std::min(columns, m_columns); ++c) {
        const auto from = m_elems.begin() + std::ptrdiff_t(IndexOf(c, 1));
        std::copy(from, from + keptRows, elems.begin() + std::ptrdiff_t(c - 1) * rows);
    }
    return elems;
}

template <typename T>
void TMatrixOf<T>::Reallocate(int columns, int rows)
{
    m_elems = ResizedElems(columns, rows);
    m_columns = columns;
    m_rows = rows;
    NotifyChange();
}

template <typename T>
EGryphMatrixError TMatrixOf<T>::OutOfMemory() const
{
    return EGryphMatrixError(QStringLiteral("Component \"%1\": not enough memory on heap").arg(objectName()));
}

template <typename T>
void TMatrixOf<T>::NotifyChange()
{
    emit Changed();
    if (OnChange)
        OnChange(this);
}

template class TMatrixOf<double>;
template class TMatrixOf<std::int32_t>;

TMatrix::TMatrix(QObject* owner)
    : TMatrixOf<double>(owner)
{
}

bool TMatrix::Resize(int columns, int rows)
{
    Reallocate(std::max(columns, 1), std::max(rows, 1));
    return true;
}

void TMatrix::MinMax(int column1, int row1, int column2, int row2, double& minimum, double& maximum) const
{
    minimum = kMinMaxStart;
    maximum = -kMinMaxStart;
    column1 = std::clamp(column1, 1, NrOfColumns());
    column2 = std::clamp(column2, 1, NrOfColumns());
    row1 = std::clamp(row1, 1, NrOfRows());
    row2 = std::clamp(row2, 1, NrOfRows());
    if (row1 > row2)
        std::swap(row1, row2);
    if (column1 > column2)
        std::swap(column1, column2);
    for (int c = column1; c <= column2; ++c) {
        for (int r = row1; r <= row2; ++r) {
            const double value = GetElem(c, r);
            if (value < minimum)
                minimum = value;
            if (value > maximum)
                maximum = value;
        }
    }
}

TIntMatrix::TIntMatrix(QObject* owner)
    : TMatrixOf<std::int32_t>(owner)
{
}

bool TIntMatrix::Resize(int columns, int rows)
{
    if (columns < 1 || rows < 1 || (columns == NrOfColumns() && rows == NrOfRows()))
        return false;
    Reallocate(columns, rows);
    return true;
}
