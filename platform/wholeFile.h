#ifndef HX_WHOLE_FILE_H
#define HX_WHOLE_FILE_H

#include <string>

namespace hx
{
namespace platform
{

//! Appends the whole file at path to text; false when it cannot be opened.
bool readWholeFile(const char* path, std::string& text);

} // end namespace platform
} // end namespace hx

#endif
