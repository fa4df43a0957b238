#ifndef HX_VESK_SCENE_NAME_ATTRIBUTE_H
#define HX_VESK_SCENE_NAME_ATTRIBUTE_H

#include <irrString.h>

namespace irr
{
namespace io
{
class IAttributes;
}
}

//! The "Scene" property: a choice among the scene names of the services' document, or plain
//! text when there is no document.
void serializeSceneNameAttribute(irr::io::IAttributes* out, const irr::core::stringc& sceneName);

#endif
