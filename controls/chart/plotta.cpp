#include "controls/chart/plotta.h"

#include "controls/chart/bakgndimg.h"
#include "controls/chart/plottaerror.h"
#include "controls/chart/textlabel.h"
#include "controls/common/crosshair.h"
#include "platform/widgetstate.h"

// Updates stay suspended while the chart is built.
TPlotta::TPlotta(QWidget* parent)
    : TPictureControl(parent)
    , m_layers(this, [this](QObject*) { AxesChanged(); })
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    CreateCrossHairs();
    CreateTextLabels();
    m_backGroundImg = new TBakGndImg(this);
    m_backGroundImg->OnChange = [this](QObject*) { PropertyChanged(); };
    m_pixelAspect = DisplayPixelAspect();
    CreateScales();
    resize(280, 200);
    SetStandardLayout(TrcLayout::rcl_X1Bottom_Y1Left);
    RecordZoomHistory();
    // Ready to paint; nothing has been shown yet, so there is nothing to repaint.
    m_updatesSuspended = false;
}

TPlotta::~TPlotta()
{
    if (m_dataOwner)
        m_dataOwner->m_dataUsers.removeOne(this);
    for (TPlotta* user : m_dataUsers) {
        user->m_dataOwner = nullptr;
        user->TakeOwnCopyOfItems();
    }
}

void TPlotta::CreateCrossHairs()
{
    for (int n = 1; n <= int(m_crossHairs.size()); ++n) {
        auto* crossHair = new TCrossHair(this);
        crossHair->SetLayer(n);
        crossHair->OnChange = [this](QObject*) { PropertyChanged(); };
        m_crossHairs[n - 1] = crossHair;
    }
}

void TPlotta::CreateTextLabels()
{
    const TFont font = TFont::FromQFont(this->font());
    for (TTextLabel*& label : m_textLabels) {
        label = new TTextLabel(font, this);
        label->OnChange = [this](QObject*) { PropertyChanged(); };
    }
}

TCrossHair* TPlotta::CrossHair(int Which) const
{
    if (Which < 1 || Which > int(m_crossHairs.size()))
        throw EGryphPlottaError(QStringLiteral("Crosshair %1 does not exist").arg(Which));
    return m_crossHairs[Which - 1];
}

TTextLabel* TPlotta::TextLabel(int Which) const
{
    if (Which < 1 || Which > int(m_textLabels.size()))
        throw EGryphPlottaError(QStringLiteral("Text label %1 does not exist").arg(Which));
    return m_textLabels[Which - 1];
}

// --- Display list ---------------------------------------------------------------

void TPlotta::ClearItems()
{
    PaintDataBackground();
    m_items->Clear();
}

void TPlotta::Append(const TPlottaItem& item) { m_items->Append(item, m_allocSize); }

TPlottaItem TPlotta::NewItem(TItemKind kind, double x, double y) const
{
    return m_attributes.NewItem(kind, x, y);
}

TPlottaItem TPlotta::NewTwoPointItem(TItemKind kind, double x1, double y1, double x2, double y2) const
{
    TPlottaItem item = NewItem(kind, x1, y1);
    item.X2 = x2;
    item.Y2 = y2;
    return item;
}

TPlottaItem TPlotta::NewClosedFigure(TItemKind kind, double x1, double y1, double x2, double y2,
                                     TColor fillColor, bool transparent) const
{
    TPlottaItem item = NewTwoPointItem(kind, x1, y1, x2, y2);
    item.FillColor = fillColor;
    item.Transparent = transparent;
    return item;
}

void TPlotta::AddMark(std::uint8_t MarkType, double X, double Y)
{
    m_items->AppendPoint(TItemKind::ikMark, X, Y, m_attributes, MarkType, m_allocSize);
}

void TPlotta::AddMoveTo(double X, double Y)
{
    m_items->AppendPoint(TItemKind::ikMoveTo, X, Y, m_attributes, 0, m_allocSize);
}

void TPlotta::AddLineTo(double X, double Y)
{
    m_items->AppendPoint(TItemKind::ikLineTo, X, Y, m_attributes, 0, m_allocSize);
}

void TPlotta::AddLine(double X1, double Y1, double X2, double Y2)
{
    Append(NewTwoPointItem(TItemKind::ikLine, X1, Y1, X2, Y2));
}

void TPlotta::AddRectangle(double X1, double Y1, double X2, double Y2, TColor FillColor, bool Transparent)
{
    Append(NewClosedFigure(TItemKind::ikRectangle, X1, Y1, X2, Y2, FillColor, Transparent));
}

void TPlotta::Add3DBox(double X1, double Y1, double X2, double Y2, TColor FillColor, TColor Color2,
                       TColor Color3, TFrameStyle BorderStyle)
{
    TPlottaItem item = NewClosedFigure(TItemKind::ik3DBox, X1, Y1, X2, Y2, FillColor, false);
    item.Color2 = Color2;
    item.Color3 = Color3;
    item.BorderStyle = BorderStyle;
    Append(item);
}

void TPlotta::Add3DBar(double X1, double Y1, double X2, double Y2, TColor FillColor, int Angle, int Depth)
{
    TPlottaItem item = NewClosedFigure(TItemKind::ik3DBar, X1, Y1, X2, Y2, FillColor, false);
    item.Size = Angle;
    item.Size2 = Depth;
    Append(item);
}

void TPlotta::AddText(double X, double Y, const QString& Text, int FontSize)
{
    TPlottaItem item = NewItem(TItemKind::ikText, X, Y);
    item.Text = Text.left(kMaxItemTextLength);
    item.Size = FontSize;
    Append(item);
}

void TPlotta::AddEllipse(double X, double Y, double HalfWidth, double HalfHeight, TColor FillColor,
                         bool Transparent)
{
    Append(NewClosedFigure(TItemKind::ikEllipse, X, Y, HalfWidth, HalfHeight, FillColor, Transparent));
}

void TPlotta::AddRelMoveTo(double Dx, double Dy)
{
    m_items->AppendPoint(TItemKind::ikRelMoveTo, Dx, Dy, m_attributes, 0, m_allocSize);
}

void TPlotta::AddRelLineTo(double Dx, double Dy)
{
    m_items->AppendPoint(TItemKind::ikRelLineTo, Dx, Dy, m_attributes, 0, m_allocSize);
}

void TPlotta::AddArrow(double X1, double Y1, double X2, double Y2, int HeadSize, TColor FillColor,
                       bool Transparent)
{
    TPlottaItem item = NewClosedFigure(TItemKind::ikArrow, X1, Y1, X2, Y2, FillColor, Transparent);
    item.Size = HeadSize;
    Append(item);
}

void TPlotta::ShowItems()
{
    if (!IsExplicitlyHidden(*this)) {
        m_items->MarkShown();
        PresentItems();
    }
    for (TPlotta* chart : SharingGroup())
        chart->PropertyChanged();
}

void TPlotta::PresentItems()
{
    // The data area alone can be brought up to date only on a current picture.
    if (m_autoRedraw && PictureCurrent() && !m_updatesSuspended)
        RefreshDataArea();
    else
        Repaint();
}

void TPlotta::GetItem(int Index, TPlottaItem& Item) const { Item = m_items->Item(Index); }

int TPlotta::FindNearestItem(std::uint8_t Kind, std::uint8_t ItemClass, double X, double Y,
                             double& Dist) const
{
    return m_items->FindNearest(Kind, ItemClass, X, Y, Dist);
}

void TPlotta::SetAllocSize(int value)
{
    if (value >= 1 && value <= 1000000)
        m_allocSize = value;
}

// --- Drawing attributes -----------------------------------------------------------

void TPlotta::SetDataColor(TColor value) { m_attributes.DataColor = value; }

void TPlotta::SetPenStyle(TPenStyle value) { m_attributes.PenStyle = value; }

void TPlotta::SetLineWidth(int value)
{
    if (value >= 0 && value <= 255)
        m_attributes.LineWidth = std::uint8_t(value);
}

void TPlotta::SetClassDefault(int value)
{
    if (value >= 0 && value < kAnyItemClass)
        m_attributes.ClassDefault = std::uint8_t(value);
}

void TPlotta::SetCurrentLayer(int value)
{
    if (value >= 1 && value <= TPlottaLayers::kCount)
        m_attributes.Layer = value;
}

void TPlotta::SetItemTag(std::int32_t value) { m_attributes.Tag = value; }

void TPlotta::SetClassVisible(int ItemClass, bool Visible)
{
    m_visibility.SetClassVisible(ItemClass, Visible);
    PropertyChanged();
}

void TPlotta::SetLayerVisible(int Layer, bool Visible)
{
    m_visibility.SetLayerVisible(Layer, Visible);
    PropertyChanged();
}
