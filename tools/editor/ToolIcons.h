#pragma once
// The editor's speed-bar pictures, drawn rather than shipped as files.

#include <QIcon>

namespace orvantis {

enum class TToolIcon { Exit, New, Open, Save, Search, Print };

QIcon ToolIcon(TToolIcon which);

}  // namespace orvantis
