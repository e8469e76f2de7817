#pragma once
// TJointLayers: which layer's axis each layer's axis follows. Entry n of an axis names
// the layer whose range layer n takes on that axis; an entry equal to its own layer
// means no join. Joins are one level deep: a layer that follows another cannot be
// followed, and a followed layer cannot follow.
#include "platform/events.h"

#include <QObject>
#include <array>

enum class TJointAxis { X, Y };

// Accessors of the published entries of layer n (two-digit NN).
#define JOINT_LAYER_ACCESSORS(NN, n)                                                                         \
    int L##NN##xControlledBy() const { return ControlledBy(n, TJointAxis::X); }                              \
    void SetL##NN##xControlledBy(int value) { SetControlledBy(n, TJointAxis::X, value); }                    \
    int L##NN##yControlledBy() const { return ControlledBy(n, TJointAxis::Y); }                              \
    void SetL##NN##yControlledBy(int value) { SetControlledBy(n, TJointAxis::Y, value); }

class TJointLayers : public QObject {
    Q_OBJECT
    Q_PROPERTY(int L01xControlledBy READ L01xControlledBy WRITE SetL01xControlledBy)
    Q_PROPERTY(int L01yControlledBy READ L01yControlledBy WRITE SetL01yControlledBy)
    Q_PROPERTY(int L02xControlledBy READ L02xControlledBy WRITE SetL02xControlledBy)
    Q_PROPERTY(int L02yControlledBy READ L02yControlledBy WRITE SetL02yControlledBy)
    Q_PROPERTY(int L03xControlledBy READ L03xControlledBy WRITE SetL03xControlledBy)
    Q_PROPERTY(int L03yControlledBy READ L03yControlledBy WRITE SetL03yControlledBy)
    Q_PROPERTY(int L04xControlledBy READ L04xControlledBy WRITE SetL04xControlledBy)
    Q_PROPERTY(int L04yControlledBy READ L04yControlledBy WRITE SetL04yControlledBy)
    Q_PROPERTY(int L05xControlledBy READ L05xControlledBy WRITE SetL05xControlledBy)
    Q_PROPERTY(int L05yControlledBy READ L05yControlledBy WRITE SetL05yControlledBy)
    Q_PROPERTY(int L06xControlledBy READ L06xControlledBy WRITE SetL06xControlledBy)
    Q_PROPERTY(int L06yControlledBy READ L06yControlledBy WRITE SetL06yControlledBy)
    Q_PROPERTY(int L07xControlledBy READ L07xControlledBy WRITE SetL07xControlledBy)
    Q_PROPERTY(int L07yControlledBy READ L07yControlledBy WRITE SetL07yControlledBy)
    Q_PROPERTY(int L08xControlledBy READ L08xControlledBy WRITE SetL08xControlledBy)
    Q_PROPERTY(int L08yControlledBy READ L08yControlledBy WRITE SetL08yControlledBy)
    Q_PROPERTY(int L09xControlledBy READ L09xControlledBy WRITE SetL09xControlledBy)
    Q_PROPERTY(int L09yControlledBy READ L09yControlledBy WRITE SetL09yControlledBy)
    Q_PROPERTY(int L10xControlledBy READ L10xControlledBy WRITE SetL10xControlledBy)
    Q_PROPERTY(int L10yControlledBy READ L10yControlledBy WRITE SetL10yControlledBy)
    Q_PROPERTY(int L11xControlledBy READ L11xControlledBy WRITE SetL11xControlledBy)
    Q_PROPERTY(int L11yControlledBy READ L11yControlledBy WRITE SetL11yControlledBy)
    Q_PROPERTY(int L12xControlledBy READ L12xControlledBy WRITE SetL12xControlledBy)
    Q_PROPERTY(int L12yControlledBy READ L12yControlledBy WRITE SetL12yControlledBy)
    Q_PROPERTY(int L13xControlledBy READ L13xControlledBy WRITE SetL13xControlledBy)
    Q_PROPERTY(int L13yControlledBy READ L13yControlledBy WRITE SetL13yControlledBy)
    Q_PROPERTY(int L14xControlledBy READ L14xControlledBy WRITE SetL14xControlledBy)
    Q_PROPERTY(int L14yControlledBy READ L14yControlledBy WRITE SetL14yControlledBy)
    Q_PROPERTY(int L15xControlledBy READ L15xControlledBy WRITE SetL15xControlledBy)
    Q_PROPERTY(int L15yControlledBy READ L15yControlledBy WRITE SetL15yControlledBy)
    Q_PROPERTY(int L16xControlledBy READ L16xControlledBy WRITE SetL16xControlledBy)
    Q_PROPERTY(int L16yControlledBy READ L16yControlledBy WRITE SetL16yControlledBy)

public:
    static constexpr int kLayers = 16;

    explicit TJointLayers(QObject* owner = nullptr);

    // The layer whose axis layer follows (layer itself when it follows none).
    // Layer numbers outside 1..16 raise EGryphPlottaError.
    int ControlledBy(int layer, TJointAxis axis) const;
    // Makes layer follow destination on axis, or releases the join when destination
    // is layer itself (without reporting). Raises EGryphPlottaError, leaving the entry
    // unchanged, when destination is not a layer number, when destination follows
    // another layer, or when other layers follow layer on that axis. A new join is
    // reported through OnChange.
    void SetControlledBy(int layer, TJointAxis axis, int destination);

    // Takes over all 32 entries and reports once.
    void Assign(const TJointLayers& source);

    JOINT_LAYER_ACCESSORS(01, 1)
    JOINT_LAYER_ACCESSORS(02, 2)
    JOINT_LAYER_ACCESSORS(03, 3)
    JOINT_LAYER_ACCESSORS(04, 4)
    JOINT_LAYER_ACCESSORS(05, 5)
    JOINT_LAYER_ACCESSORS(06, 6)
    JOINT_LAYER_ACCESSORS(07, 7)
    JOINT_LAYER_ACCESSORS(08, 8)
    JOINT_LAYER_ACCESSORS(09, 9)
    JOINT_LAYER_ACCESSORS(10, 10)
    JOINT_LAYER_ACCESSORS(11, 11)
    JOINT_LAYER_ACCESSORS(12, 12)
    JOINT_LAYER_ACCESSORS(13, 13)
    JOINT_LAYER_ACCESSORS(14, 14)
    JOINT_LAYER_ACCESSORS(15, 15)
    JOINT_LAYER_ACCESSORS(16, 16)

    TNotifyEvent OnChange;

private:
    using TEntries = std::array<int, kLayers>;
    TEntries& Entries(TJointAxis axis);
    const TEntries& Entries(TJointAxis axis) const;
    void Changed();

    TEntries m_x;
    TEntries m_y;
};

#undef JOINT_LAYER_ACCESSORS
