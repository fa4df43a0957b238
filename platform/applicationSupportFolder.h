#ifndef HX_APPLICATION_SUPPORT_FOLDER_H
#define HX_APPLICATION_SUPPORT_FOLDER_H

#include <irrString.h>

namespace hx
{
namespace platform
{

//! The user's folder for per-application data: $XDG_DATA_HOME when it is set to an
//! absolute path, else $HOME/.local/share. No trailing slash; empty when neither is known.
irr::core::stringc getApplicationSupportFolder();

} // end namespace platform
} // end namespace hx

#endif
