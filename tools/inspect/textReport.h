#ifndef HX_TEXT_REPORT_H
#define HX_TEXT_REPORT_H

#include <nlohmann/json.hpp>

#include <ostream>

//! Prints the inspector's report for people: trailer, header, settings, scenes with their
//! node trees indented, embedded files, and last the fault, if any.
void printTextReport(const nlohmann::ordered_json& report, std::ostream& out);

#endif
