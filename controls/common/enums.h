#pragma once
// Enumerations that several controls publish as property types, and the event
// types they share. The ordinals and value names are the ones stored with forms.
//
// The enumerations live in a namespace so that the meta-object system knows them
// (property walkers can read and write them by name). Only the type names are
// declared globally; values are written through their type, e.g. TFrameStyle::fsLowered.
#include "platform/events.h"

#include <QObject>
#include <cstdint>
#include <functional>

namespace CommonEnums {
Q_NAMESPACE

enum TBkgFill : std::uint8_t { bfSimple, bfStretch, bfTile };
Q_ENUM_NS(TBkgFill)

enum TBoundingBox : std::uint8_t { bbNone, bbFrame, bbFaces };
Q_ENUM_NS(TBoundingBox)

enum TTxtLblMode : std::uint8_t { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };
Q_ENUM_NS(TTxtLblMode)

enum TColorScheme : std::uint8_t { csBWG, csSystem };
Q_ENUM_NS(TColorScheme)

enum TFigType : std::uint8_t { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
Q_ENUM_NS(TFigType)

enum TScaleType : std::uint8_t { sctXB, sctXT, sctYL, sctYR };
Q_ENUM_NS(TScaleType)

enum TYearLength : std::uint8_t { ylNone, ylYY, ylYYYY };
Q_ENUM_NS(TYearLength)

enum TDateOrder : std::uint8_t { doMMDDYY, doDDMMYY, doYYMMDD };
Q_ENUM_NS(TDateOrder)

enum TDateForTime : std::uint8_t { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
Q_ENUM_NS(TDateForTime)

enum TShadowStyle : std::uint8_t { ssFlying, ssBox };
Q_ENUM_NS(TShadowStyle)

enum TFrameStyle : std::uint8_t { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
Q_ENUM_NS(TFrameStyle)

enum TTimeFormat : std::uint8_t { tfHHMMSS, tfHHhMM, tfAMPM };
Q_ENUM_NS(TTimeFormat)

enum TMouseActMode : std::uint8_t {
    maNone,
    maPan,
    maPanHoriz,
    maPanVert,
    maRubberBand,
    maZoom,
    maZoomWind,
    maZoomWindPos,
    maZoomDrag,
    maDragCrossH,
    maDragLabel,
    maRotate,
    maRotAndZoom,
    maRotXOnly,
    maRotZOnly,
};
Q_ENUM_NS(TMouseActMode)

enum TCrossHMode : std::uint8_t { chOff, chHoriz, chVert, chBoth };
Q_ENUM_NS(TCrossHMode)

// Horizontal placement of a text (numeric label texts, axis captions).
enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

// Where an axis caption is measured from: the axis's start, center or end.
enum TScaleUnitAnchor : std::uint8_t { uaSclTopLft, uaSclCenter, uaSclBotRgt };
Q_ENUM_NS(TScaleUnitAnchor)

} // namespace CommonEnums

using CommonEnums::TAlignment;
using CommonEnums::TBkgFill;
using CommonEnums::TBoundingBox;
using CommonEnums::TColorScheme;
using CommonEnums::TCrossHMode;
using CommonEnums::TDateForTime;
using CommonEnums::TDateOrder;
using CommonEnums::TFigType;
using CommonEnums::TFrameStyle;
using CommonEnums::TMouseActMode;
using CommonEnums::TScaleType;
using CommonEnums::TScaleUnitAnchor;
using CommonEnums::TShadowStyle;
using CommonEnums::TTimeFormat;
using CommonEnums::TTxtLblMode;
using CommonEnums::TYearLength;

// Fired after a pan or zoom step.
using TZoomPanEvent = TNotifyEvent;

// Fired while sorting exchanges two entries.
using TSortExchgEvent = std::function<void(QObject* Sender, std::uint8_t ExchgWhat, std::int32_t index1,
                                           std::int32_t index2, std::int32_t first, std::int32_t last)>;
