#pragma once
// TMatrix and TIntMatrix: rectangular arrays of doubles and of 32-bit integers
// that tell their owner about every change.
//
// Indices are 1-based, the column first and the row second. Reading outside the
// matrix gives 0 and writing outside it is ignored; neither is an error. When the
// storage cannot be had, the matrix raises EGryphMatrixError and keeps its size.
#include "controls/common/enums.h"
#include "controls/common/gryph_error.h"
#include "platform/events.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

// Raised when a matrix cannot get the memory for its elements.
class EGryphMatrixError : public EGryphError {
public:
    using EGryphError::EGryphError;
};

// Asks the owner for the distance between two rows.
using TCalcDistanceEvent =
    std::function<void(QObject* Sender, std::int32_t Row1, std::int32_t Row2, double& Distance)>;

// The change notice that any number of listeners can connect to. An owner that keeps
// its own state in step with a matrix listens here and leaves OnChange to the
// matrix's users. Changed is emitted before OnChange is called.
class TMatrixNotifier : public QObject {
    Q_OBJECT
signals:
    void Changed();

protected:
    using QObject::QObject;
};

// What the two matrices share: size, storage, element access and the change notice.
// The element (c, r) is the r-th value of the c-th column.
template <typename T>
class TMatrixOf : public TMatrixNotifier {
public:
    // At least 1 each.
    int NrOfColumns() const { return m_columns; }
    int NrOfRows() const { return m_rows; }
    // A value below 1 counts as 1; the other count stays, and Resize decides the rest.
    void SetNrOfColumns(int value);
    void SetNrOfRows(int value);

    // Free text naming the data; only stored.
    QString DataID() const { return m_dataID; }
    void SetDataID(const QString& value) { m_dataID = value; }

    // 0 outside 1..NrOfColumns x 1..NrOfRows.
    T GetElem(int column, int row) const;
    // Stores and fires OnChange when (column, row) lies inside; does nothing otherwise.
    void SetElem(int column, int row, T value);
    // Stores every element at once, column after column, and fires OnChange once.
    // Does nothing unless elems holds exactly NrOfColumns x NrOfRows values.
    void SetElems(std::vector<T> elems);

    // Changes the size; elements inside both the old and the new size keep their values,
    // all others are 0. Returns whether the matrix was reallocated.
    virtual bool Resize(int columns, int rows) = 0;

    // Fired after every change of size or content, with the matrix as sender.
    TNotifyEvent OnChange;
    // Stored only; nothing here sorts.
    TSortExchgEvent OnSortExchange;

protected:
    explicit TMatrixOf(QObject* owner);

    // Gives the storage the new size, keeping the overlap, and fires OnChange.
    // On failure raises EGryphMatrixError and leaves size and content unchanged.
    void Reallocate(int columns, int rows);

private:
    bool Contains(int column, int row) const;
    std::size_t IndexOf(int column, int row) const;
    std::vector<T> ResizedElems(int columns, int rows) const;
    EGryphMatrixError OutOfMemory() const;
    void NotifyChange();

    int m_columns = 1;
    int m_rows = 1;
    QString m_dataID;
    std::vector<T> m_elems;
};

class TMatrix : public TMatrixOf<double> {
    Q_OBJECT
    Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
    Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)
    Q_PROPERTY(QString DataID READ DataID WRITE SetDataID)

public:
    // A 1 x 1 matrix holding 0.
    explicit TMatrix(QObject* owner = nullptr);

    // Always reallocates, fires OnChange and returns true, even for the current size.
    // A count below 1 counts as 1.
    bool Resize(int columns, int rows) override;

    // The smallest and the largest value in the rectangle between the two corners,
    // given in any order and clamped into the matrix.
    void MinMax(int column1, int row1, int column2, int row2, double& minimum, double& maximum) const;

    // Stored only; nothing here asks for distances.
    TCalcDistanceEvent OnCalcDistance;
};

class TIntMatrix : public TMatrixOf<std::int32_t> {
    Q_OBJECT
    Q_PROPERTY(QString DataID READ DataID WRITE SetDataID)
    Q_PROPERTY(int NrOfColumns READ NrOfColumns WRITE SetNrOfColumns)
    Q_PROPERTY(int NrOfRows READ NrOfRows WRITE SetNrOfRows)

public:
    // A 1 x 1 matrix holding 0.
    explicit TIntMatrix(QObject* owner = nullptr);

    // Does nothing and returns false unless both counts are at least 1 and the size
    // changes; otherwise reallocates, fires OnChange and returns true.
    bool Resize(int columns, int rows) override;
};
