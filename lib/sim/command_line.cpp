#include "sim/command_line.h"

#include "base/range_entry.h"

#include <charconv>
#include <functional>
#include <map>

namespace vex::sim {

namespace {

bool ToInt(const std::string& text, int& value, int lowest, int highest) {
  const bool hex = text.rfind("0x", 0) == 0;
  const char* begin = text.data() + (hex ? 2 : 0);
  const char* end = text.data() + text.size();
  int v = 0;
  const auto r = std::from_chars(begin, end, v, hex ? 16 : 10);
  if (begin == end || r.ec != std::errc() || r.ptr != end || v < lowest || v > highest) return false;
  value = v;
  return true;
}

// "N" or "N:COUNT".
bool ToSpan(const std::string& text, FaultSpan& span) {
  const auto colon = text.find(':');
  if (!ToInt(text.substr(0, colon), span.first, 1, 1'000'000)) return false;
  span.count = 1;
  return colon == std::string::npos || ToInt(text.substr(colon + 1), span.count, 1, 1'000'000);
}

}  // namespace

std::string CommandLineHelp() {
  return "usage: vexprog-sim [options]\n"
         "Simulated radio on a pseudo-terminal; prints the terminal's path, runs until\n"
         "SIGINT or SIGTERM.\n"
         "  --image FILE          start from this codeplug file or raw 8192-byte image\n"
         "  --save FILE           save the memory to FILE at exit\n"
         "  --model-id ID         (VEXM1)      --model-name NAME  (Vex M1)\n"
         "  --firmware-version TEXT  (1.03.11) --signalling N     (0)\n"
         "  --band LO-HI          band edges in MHz (400-470)\n"
         "  --band-flags N        band flag byte (0x00)\n"
         "  --read-password DIGITS  --write-password DIGITS\n"
         "  --serial-number TEXT  the serial number in the memory's radio information\n"
         "  --no-pacing           send replies at once instead of at wire speed\n"
         "  --help, --version     print this help or the program's version\n"
         "faults (N = 1-based request number, COUNT requests from there):\n"
         "  --no-reply N[:COUNT]  --bad-checksum N[:COUNT]  --short-reply N[:COUNT]\n"
         "  --late-reply N[:COUNT]  --late-ms MS (150)  --silent-after N\n"
         "  --refuse-mode CODE    refuse switching to this mode (repeatable)\n"
         "  --fail-address ADDR   refuse the memory block read or written at ADDR\n"
         "  --corrupt-address ADDR  accept a block written at ADDR but keep its first byte inverted\n";
}

bool ParseCommandLine(const std::vector<std::string>& args, SimCommandLine& out, std::string& error) {
  SimOptions& o = out.options;
  SimFaults& f = o.faults;
  using Setter = std::function<bool(const std::string&)>;
  int late = 0;
  const std::map<std::string, Setter> valued{
      {"--image",
       [&](const std::string& v) {
         out.imagePath = v;
         return !v.empty();
       }},
      {"--save",
       [&](const std::string& v) {
         out.savePath = v;
         return !v.empty();
       }},
      {"--model-id",
       [&](const std::string& v) {
         o.modelId = v;
         return v.size() <= 16;
       }},
      {"--model-name",
       [&](const std::string& v) {
         o.modelName = v;
         return v.size() <= 12;
       }},
      {"--firmware-version",
       [&](const std::string& v) {
         o.version = v;
         return v.size() <= 16;
       }},
      {"--signalling",
       [&](const std::string& v) {
         int s = 0;
         if (!ToInt(v, s, 0, 255)) return false;
         o.signalling = static_cast<std::uint8_t>(s);
         return true;
       }},
      {"--band",
       [&](const std::string& v) {
         const RangeEdges edges = ParseRangeText(v);
         o.bandLowerMHz = edges.lower;
         o.bandUpperMHz = edges.upper;
         return edges.lower > 0 && edges.lower <= edges.upper && edges.upper <= 999;
       }},
      {"--band-flags",
       [&](const std::string& v) {
         int flags = 0;
         if (!ToInt(v, flags, 0, 255)) return false;
         o.bandFlags = static_cast<std::uint8_t>(flags);
         return true;
       }},
      {"--read-password",
       [&](const std::string& v) {
         o.readPassword = v;
         return v.size() <= 8;
       }},
      {"--write-password",
       [&](const std::string& v) {
         o.writePassword = v;
         return v.size() <= 8;
       }},
      {"--no-reply", [&](const std::string& v) { return ToSpan(v, f.noReply); }},
      {"--bad-checksum", [&](const std::string& v) { return ToSpan(v, f.badChecksum); }},
      {"--short-reply", [&](const std::string& v) { return ToSpan(v, f.shortReply); }},
      {"--late-reply", [&](const std::string& v) { return ToSpan(v, f.lateReply); }},
      {"--late-ms",
       [&](const std::string& v) {
         if (!ToInt(v, late, 0, 60'000)) return false;
         f.lateBy = std::chrono::milliseconds(late);
         return true;
       }},
      {"--silent-after", [&](const std::string& v) { return ToInt(v, f.silentAfter, 0, 1'000'000); }},
      {"--refuse-mode",
       [&](const std::string& v) {
         int mode = 0;
         if (!ToInt(v, mode, 0, 0xFFFF)) return false;
         f.refusedModes.push_back(mode);
         return true;
       }},
      {"--fail-address",
       [&](const std::string& v) {
         int address = 0;
         if (!ToInt(v, address, 0, 8191)) return false;
         f.failAddress = address;
         return true;
       }},
      {"--corrupt-address",
       [&](const std::string& v) {
         int address = 0;
         if (!ToInt(v, address, 0, 8191)) return false;
         f.corruptAddress = address;
         return true;
       }},
      {"--serial-number",
       [&](const std::string& v) {
         o.serialNumber = v;
         return v.size() <= 16;
       }},
  };
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      out.help = true;
    } else if (a == "--version" && (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0)) {
      out.version = true;
    } else if (a == "--version") {
      // The firmware version's older spelling, always given with a value.
      if (!valued.at("--firmware-version")(args[++i])) {
        error = "bad value for " + a + ": " + args[i];
        return false;
      }
    } else if (a == "--no-pacing") {
      o.paced = false;
    } else if (auto s = valued.find(a); s != valued.end()) {
      if (i + 1 >= args.size()) {
        error = a + " needs a value";
        return false;
      }
      if (!s->second(args[++i])) {
        error = "bad value for " + a + ": " + args[i];
        return false;
      }
    } else {
      error = "unknown option: " + a;
      return false;
    }
  }
  return true;
}

}  // namespace vex::sim
