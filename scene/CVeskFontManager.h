#ifndef HX_C_VESK_FONT_MANAGER_H
#define HX_C_VESK_FONT_MANAGER_H

#include <IReferenceCounted.h>

namespace irr
{
namespace gui
{
class IGUIEnvironment;
class IGUIFont;
}
}

//! Finds the font that a stored font description names ("#fnt_10;Default;Arial;…"). Fonts
//! are only looked up among those the GUI environment knows or can load by that name; the
//! player builds no fonts from the description's fields.
class CVeskFontManager : public virtual irr::IReferenceCounted
{
public:
	explicit CVeskFontManager(irr::gui::IGUIEnvironment* guiEnvironment);
	virtual ~CVeskFontManager();

	//! The font named by the description trimmed of whitespace and in lower case, or null.
	irr::gui::IGUIFont* getFont(const irr::c8* description);

private:
	irr::gui::IGUIEnvironment* GUIEnvironment;
};

#endif
