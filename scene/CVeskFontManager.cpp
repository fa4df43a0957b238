#include "scene/CVeskFontManager.h"

#include <IGUIEnvironment.h>
#include <irrString.h>

using namespace irr;

CVeskFontManager::CVeskFontManager(gui::IGUIEnvironment* guiEnvironment)
	: GUIEnvironment(guiEnvironment)
{
	if (GUIEnvironment)
		GUIEnvironment->grab();
}

CVeskFontManager::~CVeskFontManager()
{
	if (GUIEnvironment)
		GUIEnvironment->drop();
}

gui::IGUIFont* CVeskFontManager::getFont(const c8* description)
{
	if (!GUIEnvironment || !description)
		return 0;
	core::stringc name(description);
	name.trim(" \t\n\r");
	name.make_lower();
	return GUIEnvironment->getFont(name.c_str());
}
