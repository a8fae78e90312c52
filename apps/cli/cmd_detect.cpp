// detect [--port PORT]...: greets every serial port (or the named ones) and
// shows port, model ID, model name, firmware and band of each radio that
// answers. Nothing is changed on the radios or in the settings.
#include "cli_commands.h"
#include "json_output.h"
#include "radio_jobs.h"

#include "base/terminal_text.h"
#include "config/radio_band.h"
#include "config/safe_format.h"
#include "link/port_discovery.h"

namespace vex::cli {

namespace {

struct Found {
  std::string device;
  RadioIdentity identity;
  RangeEntry band;
};

}  // namespace

int RunDetect(Environment& env, const CliOptions& options) {
  const PortLookup lookup = env.portLookup();
  auto named = ResolvePorts(env, lookup, options.ports);
  if (!named) return kExitFailure;
  std::vector<std::string> candidates = *named;
  if (options.ports.empty()) {
    for (const SerialDevice& device : ListPortDevices(lookup)) candidates.push_back(device.path);
  }
  TraceFile trace;
  if (!trace.open(env, options.trace)) return kExitFailure;

  std::vector<Found> found;
  bool unidentified = false;
  for (const std::string& device : candidates) {
    CRadioLink link;
    link.SetTrace(trace.trace());
    bool greeted = false;
    const auto identity = IdentifyRadio(link, device, &greeted);
    if (identity) {
      found.push_back({device, *identity, BandFromRadio(identity->band.data())});
    } else if (greeted) {
      // It answered: the cable and port are fine, its identity replies are not.
      env.err() << "vexprog-cli: " << device << ": " << env.message(text::kMsgIdentityFailed) << '\n';
      unidentified = true;
    } else if (!options.ports.empty() && link.LastOpenError().kind != PortError::None) {
      // A port the user named deserves the reason it could not be greeted.
      const PortOpenError& error = link.LastOpenError();
      env.err() << "vexprog-cli: "
                << formatText(env.message(PortErrorMessageId(error.kind)), PortErrorArgument(device, error)) << '\n';
    }
  }

  if (options.json) {
    nlohmann::ordered_json json = JsonDocument();
    nlohmann::ordered_json radios = nlohmann::ordered_json::array();
    for (const Found& f : found) {
      nlohmann::ordered_json radio;
      radio["port"] = f.device;
      radio["model_id"] = f.identity.modelId;
      radio["model_name"] = f.identity.modelName;
      radio["firmware"] = f.identity.version;
      // A radio that did not report its band has none to show.
      if (IsKnownBand(f.band)) {
        radio["range"] = RangeText(f.band.lower, f.band.upper);
        radio["range_low"] = f.band.lower;
        radio["range_high"] = f.band.upper;
      } else {
        radio["range"] = nullptr;
        radio["range_low"] = nullptr;
        radio["range_high"] = nullptr;
      }
      radio["signalling"] = f.identity.signalling;
      radios.push_back(radio);
    }
    json["radios"] = radios;
    PrintJson(env.out(), json);
  } else {
    for (const Found& f : found) {
      env.out() << f.device << "  model " << TerminalSafe(f.identity.modelId) << "  name "
                << TerminalSafe(f.identity.modelName) << "  firmware " << TerminalSafe(f.identity.version) << "  band "
                << (IsKnownBand(f.band) ? RangeText(f.band.lower, f.band.upper) + " MHz" : std::string("unknown"))
                << '\n';
    }
  }
  if (found.empty() && unidentified) return kExitFailure;
  if (found.empty()) {
    env.err() << "vexprog-cli: " << env.message(candidates.empty() ? text::kMsgNoSerialPorts : text::kMsgNoRadio)
              << '\n';
    return kExitFailure;
  }
  return kExitOk;
}

}  // namespace vex::cli
