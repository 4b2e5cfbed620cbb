#pragma once
// The channel plans on offer: the built-in ones, then the user's own CSV
// files in $XDG_DATA_HOME/orvantis/plans/ (by default
// ~/.local/share/orvantis/plans/), each "<id>.csv". A file that fails its
// checks is not offered; it is listed with its reason.

#include "ChannelPlan.h"

#include <QString>

#include <vector>

namespace orvantis {

// A plan file is a few kilobytes; larger ones are refused.
inline constexpr qint64 MaxPlanFileSize = 256 * 1024;

QString PlanFolder();

struct TRefusedPlan {
    QString File;    // the file's path
    QString Reason;  // "Row 4, column centre_khz: ..."
};

struct TPlanCatalogue {
    std::vector<TChannelPlan> Plans;
    std::vector<TRefusedPlan> Refused;
    const TChannelPlan* Find(const QString& id) const;
};

// The built-in plans and those of the folder's ".csv" files, in name order.
TPlanCatalogue LoadChannelPlans(const QString& folder = PlanFolder());

}  // namespace orvantis
