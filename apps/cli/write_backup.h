// write --backup DIR: every radio is read before it is written, and its
// memory kept byte for byte as a dated codeplug file in DIR, so that writing
// that file back undoes the write. No radio is written unless every backup
// was saved.
#pragma once

#include "cli_radio_session.h"
#include "radio_jobs.h"

#include <optional>
#include <string>
#include <vector>

namespace vex::cli {

// Reads the radios on `devices` (the remembered port and the scan when
// empty) and saves each one's memory in `dir`, which is created when
// missing; prints "PORT: backup FILE" per radio. `password` is the one to
// send, and afterwards the one typed at a prompt, so that the write does not
// ask again. False after saying what failed.
bool BackUpRadios(Environment& env, RadioSession& session, const std::string& dir,
                  const std::vector<std::string>& devices, std::optional<std::string>& password, TraceFile& trace,
                  bool verbose);

}  // namespace vex::cli
