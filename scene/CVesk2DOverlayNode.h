#ifndef HX_C_VESK_2D_OVERLAY_NODE_H
#define HX_C_VESK_2D_OVERLAY_NODE_H

#include "document/IVeskSerializationSupport.h"

#include <ISceneNode.h>
#include <irrArray.h>
#include <irrString.h>
#include <rect.h>

namespace irr
{
namespace gui
{
class ICursorControl;
class IGUIEnvironment;
class IGUIFont;
}
namespace video
{
class ITexture;
class IVideoDriver;
}
}

//! A rectangle laid over the drawn scene in the 2D pass: a background colour, an image and a
//! text, with effects while the mouse is over it. Its 3D position, rotation and scale mean
//! nothing; the rectangle is given in viewport pixels or as fractions of the viewport.
class CVesk2DOverlayNode : public irr::scene::ISceneNode, public IVeskSerializationSupport
{
public:
	enum E_ALIGNMENT
	{
		EA_TOP_LEFT = 0,
		EA_CENTER = 1,
		EA_MULTILINE = 2
	};

	//! The GUI environment is not grabbed (it outlives every scene); the cursor control is.
	CVesk2DOverlayNode(irr::scene::ISceneNode* parent, irr::scene::ISceneManager* sceneManager, irr::s32 id,
		irr::gui::IGUIEnvironment* guiEnvironment, irr::gui::ICursorControl* cursorControl);
	virtual ~CVesk2DOverlayNode();

	//! True for the overlay and for every node class derived from it.
	static bool is2DNodeType(irr::u32 typeCode);

	//! The node's rectangle in viewport pixels, or, scaled, in the driver's 2D coordinates,
	//! whose whole extent is stretched over the viewport. The viewport's corner is not added.
	irr::core::rect<irr::s32> getScreenRect(bool scaled) const;

	void setPixelRect(irr::s32 x, irr::s32 y, irr::s32 width, irr::s32 height);
	void setRelativeRect(irr::f32 x, irr::f32 y, irr::f32 width, irr::f32 height);
	bool isPositionAbsolute() const { return PositionAbsolute; }

	//! Grabs the new texture and drops the old one; null takes the image away.
	void setImage(irr::video::ITexture* texture);
	irr::video::ITexture* getImage() const { return Image; }
	void setHoverImage(irr::video::ITexture* texture);
	irr::video::ITexture* getHoverImage() const { return HoverImage; }

	//! Replaces the text (ignored when null); the font stays as it is.
	void setText(const irr::c8* text);
	const irr::core::stringc& getText() const { return Text; }

	//! Looks up the font that the font description names, when text is drawn; an unknown
	//! description keeps the current font.
	void updateFont();
	irr::gui::IGUIFont* getFont() const { return Font; }

	//! The text broken into lines no wider than width for the multiline alignment. The
	//! layout is kept and only redone when the text, the width or the font changed.
	const irr::core::array<irr::core::stringw>& getMultilineLayout(irr::s32 width);

	virtual void OnRegisterSceneNode();
	virtual void render();
	virtual const irr::core::aabbox3df& getBoundingBox() const { return Box; }
	virtual irr::scene::ESCENE_NODE_TYPE getType() const;
	virtual irr::scene::ISceneNode* clone(irr::scene::ISceneNode* newParent = 0, irr::scene::ISceneManager* newManager = 0);

	//! Flag of SAttributeReadWriteOptions for which the overlay writes no attributes.
	enum { ATTRIBUTES_NONE = 8 };
	virtual void serializeAttributes(irr::io::IAttributes* out, irr::io::SAttributeReadWriteOptions* options = 0) const;
	virtual void deserializeAttributes(irr::io::IAttributes* in, irr::io::SAttributeReadWriteOptions* options = 0);

	virtual void writeBinary(CVeskSerializer* writer);
	virtual void readBinary(CVeskDeserializer* reader);

protected:
	//! Copies everything but the base node's properties from source.
	void copyOverlayMembers(const CVesk2DOverlayNode* source);

	//! The rectangle, background switch and colour, stored alike by derived classes.
	void writeRectangleAndBackground(CVeskSerializer* writer);
	void readRectangleAndBackground(CVeskDeserializer* reader);
	//! "Position Mode" with its four values, and "Draw Background" with its colour.
	void serializeRectangleAndBackground(irr::io::IAttributes* out) const;
	void deserializeRectangleAndBackground(irr::io::IAttributes* in);

	//! A rectangle in viewport pixels in the driver's 2D coordinates.
	irr::core::rect<irr::s32> scaleToScreen(irr::s32 x, irr::s32 y, irr::s32 width, irr::s32 height) const;

	bool isHovered() const;
	void drawBackground(irr::video::IVideoDriver* driver, bool hovered) const;
	//! The hover image while hovered and shown, else the image; may be null.
	irr::video::ITexture* getShownTexture(bool hovered) const;
	//! Draws the texture over the rectangle, or fitted into it from its top left corner when
	//! the aspect ratio is kept. drawn receives where it went in the driver's 2D coordinates,
	//! area the same in viewport pixels. False when nothing was drawn.
	bool drawImage(irr::video::IVideoDriver* driver, irr::video::ITexture* texture, bool filtered,
		irr::core::rect<irr::s32>& drawn, irr::core::rect<irr::s32>& area) const;
	void drawText(irr::video::IVideoDriver* driver, const irr::core::rect<irr::s32>& area, bool hovered);

	irr::gui::IGUIEnvironment* GUIEnvironment;
	irr::gui::ICursorControl* CursorControl;
	irr::core::aabbox3df Box;

	bool PositionAbsolute;
	irr::s32 PixelX, PixelY, PixelWidth, PixelHeight;
	irr::f32 RelativeX, RelativeY, RelativeWidth, RelativeHeight;

	bool DrawBackground;
	irr::video::SColor BackgroundColor;
	irr::video::ITexture* Image;
	irr::video::ITexture* HoverImage;
	bool KeepAspectRatio;
	bool Smooth;

	bool DrawText;
	irr::s32 Alignment;
	irr::core::stringc Text;
	irr::core::stringc FontDescription;
	irr::video::SColor TextColor;
	irr::gui::IGUIFont* Font;

	bool OnHoverAnimate;
	bool OnHoverSetTextColor;
	irr::video::SColor OnHoverTextColor;
	bool OnHoverSetBackgroundColor;
	irr::video::SColor OnHoverBackgroundColor;
	bool OnHoverShowImage;

private:
	void setFont(irr::gui::IGUIFont* font);
	//! Decodes the text again when it changed since the last time.
	void refreshWideText();
	void wrapText(irr::s32 width);

	irr::core::stringc LastText;
	irr::core::stringw WideText;
	bool LinesOutdated;
	irr::s32 LastWrapWidth;
	irr::gui::IGUIFont* LastWrapFont;
	irr::core::array<irr::core::stringw> Lines;
};

#endif
