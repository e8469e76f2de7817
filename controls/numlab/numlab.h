#pragma once
// TNumLab: one number in a framed field, with an optional text to its left and to
// its right. Every change renders the whole control at once into its own bitmap;
// painting only copies that bitmap to the screen.
#include "controls/common/colorscheme.h"
#include "controls/common/enums.h"
#include "controls/common/picturecontrol.h"
#include "controls/numlab/numlabenums.h"
#include "platform/color.h"
#include "platform/events.h"

#include <QString>
#include <functional>

// Lets a handler change the formatted text before it is drawn.
using TBeforeDisplayEvent = std::function<void(QObject* Sender, QString& Text)>;

class TNumLab : public TPictureControl {
    Q_OBJECT
    Q_PROPERTY(double Value READ Value WRITE SetValue)
    Q_PROPERTY(NumLabEnums::TDisplay DisplayType READ DisplayType WRITE SetDisplayType)
    Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
    Q_PROPERTY(QString DTFormat READ DTFormat WRITE SetDTFormat)
    Q_PROPERTY(QString StateText READ StateText WRITE SetStateText)
    Q_PROPERTY(QString OverflowIndicator READ OverflowIndicator WRITE SetOverflowIndicator)
    Q_PROPERTY(bool Empty READ Empty WRITE SetEmpty)
    Q_PROPERTY(bool Comma READ Comma WRITE SetComma)
    Q_PROPERTY(bool ForcePlusSign READ ForcePlusSign WRITE SetForcePlusSign)
    Q_PROPERTY(QString LeftText READ LeftText WRITE SetLeftText)
    Q_PROPERTY(QString RightText READ RightText WRITE SetRightText)
    Q_PROPERTY(int LeftSpace READ LeftSpace WRITE SetLeftSpace)
    Q_PROPERTY(int LabelWidth READ LabelWidth WRITE SetLabelWidth)
    Q_PROPERTY(CommonEnums::TAlignment Alignment READ Alignment WRITE SetAlignment)
    Q_PROPERTY(CommonEnums::TAlignment LeftTextAlignment READ LeftTextAlignment WRITE SetLeftTextAlignment)
    Q_PROPERTY(CommonEnums::TAlignment RightTextAlignment READ RightTextAlignment WRITE SetRightTextAlignment)
    Q_PROPERTY(CommonEnums::TFrameStyle FrameStyle READ FrameStyle WRITE SetFrameStyle)
    Q_PROPERTY(CommonEnums::TColorScheme ColorScheme READ ColorScheme WRITE SetColorScheme)
    Q_PROPERTY(TColor ColorLabBakG READ ColorLabBakG WRITE SetColorLabBakG)
    Q_PROPERTY(TColor ColorLabText READ ColorLabText WRITE SetColorLabText)
    Q_PROPERTY(TColor ColorOutBakG READ ColorOutBakG WRITE SetColorOutBakG)
    Q_PROPERTY(TColor ColorOutText READ ColorOutText WRITE SetColorOutText)

public:
    // 160 x 28 pixels, showing 0.00 in a lowered field.
    explicit TNumLab(QWidget* parent = nullptr);

    // Each setter stores a value that differs from the current one and renders at once.
    double Value() const { return m_value; }
    void SetValue(double value);
    TDisplay DisplayType() const { return m_displayType; }
    void SetDisplayType(TDisplay value);
    // Negative values are ignored, larger ones than 15 stored as 15.
    int Precision() const { return m_precision; }
    void SetPrecision(int value);
    QString DTFormat() const { return m_dtFormat; }
    void SetDTFormat(const QString& value);
    QString StateText() const { return m_stateText; }
    void SetStateText(const QString& value);
    QString OverflowIndicator() const { return m_overflowIndicator; }
    void SetOverflowIndicator(const QString& value);
    bool Empty() const { return m_empty; }
    void SetEmpty(bool value);
    bool Comma() const { return m_comma; }
    void SetComma(bool value);
    bool ForcePlusSign() const { return m_forcePlusSign; }
    void SetForcePlusSign(bool value);
    QString LeftText() const { return m_leftText; }
    void SetLeftText(const QString& value);
    QString RightText() const { return m_rightText; }
    void SetRightText(const QString& value);
    // Negative values are ignored, larger ones than the control's width stored as the width.
    int LeftSpace() const { return m_leftSpace; }
    void SetLeftSpace(int value);
    int LabelWidth() const { return m_labelWidth; }
    void SetLabelWidth(int value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);
    TAlignment LeftTextAlignment() const { return m_leftTextAlignment; }
    void SetLeftTextAlignment(TAlignment value);
    TAlignment RightTextAlignment() const { return m_rightTextAlignment; }
    void SetRightTextAlignment(TAlignment value);
    TFrameStyle FrameStyle() const { return m_frameStyle; }
    void SetFrameStyle(TFrameStyle value);
    // Also switches the shadow and highlight colors of the frame.
    TColorScheme ColorScheme() const { return m_colorScheme; }
    void SetColorScheme(TColorScheme value);
    TColor ColorLabBakG() const { return m_colorLabBakG; }
    void SetColorLabBakG(TColor value);
    TColor ColorLabText() const { return m_colorLabText; }
    void SetColorLabText(TColor value);
    TColor ColorOutBakG() const { return m_colorOutBakG; }
    void SetColorOutBakG(TColor value);
    TColor ColorOutText() const { return m_colorOutText; }
    void SetColorOutText(TColor value);

    // Where the pointer was at the last move over the control: 0 over the left text,
    // 1 over the number field, 2 right of it.
    int MouseArea() const { return m_mouseArea; }

    // Takes over the look and the value of another numeric label (not Comma,
    // ForcePlusSign, DTFormat, the font or the events) and renders once. Any other
    // source raises EGryphError.
    void Assign(const QObject* source);
    // Hands this label to dest's Assign when dest is a numeric label; raises
    // EGryphError for anything else.
    void AssignTo(QObject* dest) const { AssignToOwnKind<TNumLab>(dest); }

    // The text the number field shows now: empty when Empty is set, otherwise the
    // formatted value as OnBeforeDisplay leaves it, or the overflow indicator when
    // that does not fit. Runs OnBeforeDisplay as a repaint does.
    QString DisplayText() const;

    TBeforeDisplayEvent OnBeforeDisplay;

protected:
    void changeEvent(QEvent* event) override;
    // Also tells which area the pointer is over.
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // Pens of the upper-left and the lower-right line of a bevelled field.
    struct TBevelPens {
        TColor UpperLeft;
        TColor LowerRight;
    };
    static TBevelPens BevelPens(TFrameStyle style, const TFrameColors& colors);

    // Drawing (numlabpaint.cpp).
    void Render() override;
    void DrawTexts(TCanvas& canvas, int textTop) const;
    void DrawField(TCanvas& canvas) const;
    void DrawNumber(TCanvas& canvas, int textTop) const;
    // The formatted, possibly replaced, text for the field, measured on canvas.
    QString FieldText(const TCanvas& canvas) const;
    QString FormattedValue() const;

    double m_value = 0;
    TDisplay m_displayType = TDisplay::dtFixP;
    int m_precision = 2;
    QString m_dtFormat = QStringLiteral("mmm-dd, yyyy");
    QString m_stateText = QStringLiteral("undefined");
    QString m_overflowIndicator = QStringLiteral("*********");
    bool m_empty = false;
    bool m_comma = false;
    bool m_forcePlusSign = false;
    QString m_leftText;
    QString m_rightText;
    int m_leftSpace = 35;
    int m_labelWidth = 80;
    TAlignment m_alignment = TAlignment::taCenter;
    TAlignment m_leftTextAlignment = TAlignment::taRightJustify;
    TAlignment m_rightTextAlignment = TAlignment::taLeftJustify;
    TFrameStyle m_frameStyle = TFrameStyle::fsLowered;
    TColorScheme m_colorScheme = TColorScheme::csBWG;
    TColor m_colorLabBakG = clBtnFace;
    TColor m_colorLabText = clBlack;
    TColor m_colorOutBakG = clBtnFace;
    TColor m_colorOutText = clBlack;
    int m_mouseArea = 0;
};
