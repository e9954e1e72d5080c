#pragma once
// Team logos of the demo service: a PNG crest per team id in the team's own
// colours, and the service's fallback logo. Drawn without text, so no fonts
// (and no GUI application object) are needed.
#include <string>
#include <string_view>

std::string DemoTeamLogoPng(std::string_view teamId);
std::string DemoFallbackLogoPng();
