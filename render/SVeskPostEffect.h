#ifndef HX_S_VESK_POST_EFFECT_H
#define HX_S_VESK_POST_EFFECT_H

namespace irr
{
namespace io
{
class IAttributes;
}
}

//! The post-processing effects of a scene, in the order of the scene manager's table.
//! The last three are steps inside Bloom and Blur and are never switched on by documents.
enum E_VESK_POST_EFFECT
{
	EVPE_BLOOM = 0,
	EVPE_BLACK_AND_WHITE,
	EVPE_INVERT,
	EVPE_BLUR,
	EVPE_COLORIZE,
	EVPE_VIGNETTE,
	EVPE_LIGHT_TRESHOLD,
	EVPE_BLUR_HORIZONTAL,
	EVPE_BLUR_VERTICAL,
	EVPE_COUNT
};

//! The effects a document can switch on, and that appear as the root node's attributes.
const int VESK_OFFERED_POST_EFFECT_COUNT = 6;

//! One entry of the post-effect table: the effect's name (also the attribute name of its
//! switch) and its parameters, held as an attribute list in the entry's own order.
struct SVeskPostEffect
{
	const char* Name;
	bool Enabled;
	bool OfferedAsAttribute;
	irr::io::IAttributes* Parameters;
};

#endif
