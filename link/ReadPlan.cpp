#include "ReadPlan.h"

#include <cstdio>

namespace orvantis {

namespace {

std::vector<TReadArea> PlanWithConfigOf(const TProfile& profile, int configBytes)
{
    std::vector<TReadArea> plan;
    plan.push_back({TArea::Config, {{ConfigAddress, configBytes}}});

    TReadArea points{TArea::Points, {}};
    for (int i = 0, n = profile.PointCount(); i < n; ++i)
        points.Requests.push_back({static_cast<std::uint16_t>(PointsAddress + i * PointRecordSize), PointRecordSize});
    plan.push_back(std::move(points));

    TReadArea bands{TArea::Bands, {}};
    for (int i = 0; i < BandCount; ++i)
        bands.Requests.push_back({static_cast<std::uint16_t>(BandsAddress + i * BandSlotSize), BandSlotSize});
    plan.push_back(std::move(bands));

    TReadArea messages{TArea::Messages, {}};
    std::uint16_t address = FirstMessageAddress;
    for (int i = 0; i < MessageCount; ++i) {
        const int count = profile.GetMessageLength(i) + 1;
        messages.Requests.push_back({address, count});
        address = static_cast<std::uint16_t>(address + count);
    }
    plan.push_back(std::move(messages));
    return plan;
}

}  // namespace

std::vector<TReadArea> ReadPlan(const TProfile& profile)
{
    return PlanWithConfigOf(profile, ConfigRequestBytes);
}

std::vector<TReadArea> WholeRecordsPlan(const TProfile& profile)
{
    return PlanWithConfigOf(profile, ConfigRecordBytes);
}

std::string ReadRequestText(const TReadRequest& request)
{
    char text[16];
    std::snprintf(text, sizeof text, "*?E2P%04X%03X", static_cast<unsigned>(request.Address),
                  static_cast<unsigned>(request.ByteCount));
    return text;
}

}  // namespace orvantis
