#include "scene/CVesk2DOverlayNode.h"
#include "document/veskTypeCodes.h"
#include "render/veskRenderPass.h"
#include "render/veskDraw2D.h"
#include "scene/vesk2DRectangles.h"

#include <ICursorControl.h>
#include <IGUIEnvironment.h>
#include <IGUIFont.h>
#include <ISceneManager.h>
#include <ITexture.h>
#include <IVideoDriver.h>

using namespace irr;

namespace
{

//! Derived 2D node classes differ from the overlay's code in this bit only.
const u32 DERIVED_2D_NODE_BIT = 0x02000000;

const c8* const DEFAULT_FONT_DESCRIPTION = "#fnt_10;Default;Arial;Normal;Normal;False";

void replaceTexture(video::ITexture*& held, video::ITexture* texture)
{
	if (held == texture)
		return;
	if (texture)
		texture->grab();
	if (held)
		held->drop();
	held = texture;
}

} // end anonymous namespace

CVesk2DOverlayNode::CVesk2DOverlayNode(scene::ISceneNode* parent, scene::ISceneManager* sceneManager, s32 id,
	gui::IGUIEnvironment* guiEnvironment, gui::ICursorControl* cursorControl)
	: scene::ISceneNode(parent, sceneManager, id), GUIEnvironment(guiEnvironment), CursorControl(cursorControl),
	  Box(0, 0, 0, 0, 0, 0), PositionAbsolute(false), PixelX(100), PixelY(100), PixelWidth(128), PixelHeight(64),
	  RelativeX(0.5f), RelativeY(0.5f), RelativeWidth(0.16666667f), RelativeHeight(0.16666667f), DrawBackground(true),
	  BackgroundColor(0x80808080), Image(0), HoverImage(0), KeepAspectRatio(false), Smooth(false), DrawText(false),
	  Alignment(EA_CENTER), FontDescription(DEFAULT_FONT_DESCRIPTION), TextColor(0xFFFFFFFF), Font(0),
	  OnHoverAnimate(false), OnHoverSetTextColor(true), OnHoverTextColor(0xFF808080), OnHoverSetBackgroundColor(true),
	  OnHoverBackgroundColor(0x80C8C8C8), OnHoverShowImage(false), LinesOutdated(true), LastWrapWidth(-1),
	  LastWrapFont(0)
{
	if (CursorControl)
		CursorControl->grab();
	if (GUIEnvironment)
		setFont(GUIEnvironment->getBuiltInFont());
}

CVesk2DOverlayNode::~CVesk2DOverlayNode()
{
	setImage(0);
	setHoverImage(0);
	setFont(0);
	if (CursorControl)
		CursorControl->drop();
}

bool CVesk2DOverlayNode::is2DNodeType(u32 typeCode)
{
	return (typeCode | DERIVED_2D_NODE_BIT) == VESK_NODE_2D_OVERLAY;
}

scene::ESCENE_NODE_TYPE CVesk2DOverlayNode::getType() const
{
	return scene::ESCENE_NODE_TYPE(VESK_NODE_2D_OVERLAY);
}

core::rect<s32> CVesk2DOverlayNode::getScreenRect(bool scaled) const
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	const core::rect<s32> viewport = driver ? driver->getViewPort() : core::rect<s32>(0, 0, 0, 0);
	s32 x = PixelX, y = PixelY, width = PixelWidth, height = PixelHeight;
	if (!PositionAbsolute)
	{
		const f32 viewportWidth = f32(viewport.getWidth());
		const f32 viewportHeight = f32(viewport.getHeight());
		x = truncateToInt(RelativeX * viewportWidth);
		y = truncateToInt(RelativeY * viewportHeight);
		width = truncateToInt(RelativeWidth * viewportWidth);
		height = truncateToInt(RelativeHeight * viewportHeight);
	}
	if (scaled)
		return scaleToScreen(x, y, width, height);
	return makeClampedRect(x, y, width, height);
}

core::rect<s32> CVesk2DOverlayNode::scaleToScreen(s32 x, s32 y, s32 width, s32 height) const
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	if (driver)
	{
		const core::rect<s32> viewport = driver->getViewPort();
		const core::dimension2du& screen = driver->getScreenSize();
		if (viewport.getWidth() != 0 && viewport.getHeight() != 0)
		{
			const f32 scaleX = f32(screen.Width) / f32(viewport.getWidth());
			const f32 scaleY = f32(screen.Height) / f32(viewport.getHeight());
			x = truncateToInt(f32(x) * scaleX);
			width = truncateToInt(f32(width) * scaleX);
			y = truncateToInt(f32(y) * scaleY);
			height = truncateToInt(f32(height) * scaleY);
		}
	}
	return makeClampedRect(x, y, width, height);
}

void CVesk2DOverlayNode::setPixelRect(s32 x, s32 y, s32 width, s32 height)
{
	PositionAbsolute = true;
	PixelX = x;
	PixelY = y;
	PixelWidth = width;
	PixelHeight = height;
}

void CVesk2DOverlayNode::setRelativeRect(f32 x, f32 y, f32 width, f32 height)
{
	PositionAbsolute = false;
	RelativeX = x;
	RelativeY = y;
	RelativeWidth = width;
	RelativeHeight = height;
}

void CVesk2DOverlayNode::setImage(video::ITexture* texture)
{
	replaceTexture(Image, texture);
}

void CVesk2DOverlayNode::setHoverImage(video::ITexture* texture)
{
	replaceTexture(HoverImage, texture);
}

void CVesk2DOverlayNode::setText(const c8* text)
{
	if (text)
		Text = text;
}

void CVesk2DOverlayNode::setFont(gui::IGUIFont* font)
{
	if (font == Font)
		return;
	if (font)
		font->grab();
	if (Font)
		Font->drop();
	Font = font;
}

void CVesk2DOverlayNode::OnRegisterSceneNode()
{
	if (!IsVisible)
		return;
	registerVeskNodeForRendering(SceneManager, this, EVRP_2D);
	ISceneNode::OnRegisterSceneNode();
}

bool CVesk2DOverlayNode::isHovered() const
{
	if (!OnHoverAnimate || !CursorControl || !SceneManager || !SceneManager->getVideoDriver())
		return false;
	const core::dimension2du& screen = SceneManager->getVideoDriver()->getScreenSize();
	const core::position2df cursor = CursorControl->getRelativePosition();
	const core::position2di point(truncateToInt(f32(screen.Width) * cursor.X), truncateToInt(f32(screen.Height) * cursor.Y));
	return getScreenRect(true).isPointInside(point);
}

void CVesk2DOverlayNode::drawBackground(video::IVideoDriver* driver, bool hovered) const
{
	if (hovered && OnHoverSetBackgroundColor)
		driver->draw2DRectangle(OnHoverBackgroundColor, getScreenRect(true));
	else if (DrawBackground)
		driver->draw2DRectangle(BackgroundColor, getScreenRect(true));
}

video::ITexture* CVesk2DOverlayNode::getShownTexture(bool hovered) const
{
	if (hovered && OnHoverShowImage && HoverImage)
		return HoverImage;
	return Image;
}

bool CVesk2DOverlayNode::drawImage(video::IVideoDriver* driver, video::ITexture* texture, bool filtered,
	core::rect<s32>& drawn, core::rect<s32>& area) const
{
	area = getScreenRect(false);
	drawn = getScreenRect(true);
	if (KeepAspectRatio)
	{
		s32 width = 0, height = 0;
		if (!fitKeepingAspectRatio(texture->getOriginalSize(), area, width, height))
			return false;
		const core::position2di corner = area.UpperLeftCorner;
		area = makeClampedRect(corner.X, corner.Y, width, height);
		drawn = scaleToScreen(corner.X, corner.Y, width, height);
	}
	const core::dimension2du& size = texture->getOriginalSize();
	drawVesk2DImage(driver, texture, drawn, core::rect<s32>(0, 0, s32(size.Width), s32(size.Height)), filtered);
	return true;
}

void CVesk2DOverlayNode::render()
{
	video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
	if (!driver)
		return;
	const bool hovered = isHovered();
	drawBackground(driver, hovered);

	core::rect<s32> textArea = getScreenRect(false);
	video::ITexture* texture = getShownTexture(hovered);
	if (texture)
	{
		core::rect<s32> drawn;
		if (!drawImage(driver, texture, Smooth, drawn, textArea))
			return;
	}
	drawText(driver, textArea, hovered);
}

void CVesk2DOverlayNode::copyOverlayMembers(const CVesk2DOverlayNode* source)
{
	Box = source->Box;
	PositionAbsolute = source->PositionAbsolute;
	PixelX = source->PixelX;
	PixelY = source->PixelY;
	PixelWidth = source->PixelWidth;
	PixelHeight = source->PixelHeight;
	RelativeX = source->RelativeX;
	RelativeY = source->RelativeY;
	RelativeWidth = source->RelativeWidth;
	RelativeHeight = source->RelativeHeight;
	DrawBackground = source->DrawBackground;
	BackgroundColor = source->BackgroundColor;
	setImage(source->Image);
	setHoverImage(source->HoverImage);
	KeepAspectRatio = source->KeepAspectRatio;
	Smooth = source->Smooth;
	DrawText = source->DrawText;
	Alignment = source->Alignment;
	Text = source->Text;
	FontDescription = source->FontDescription;
	TextColor = source->TextColor;
	setFont(source->Font);
	OnHoverAnimate = source->OnHoverAnimate;
	OnHoverSetTextColor = source->OnHoverSetTextColor;
	OnHoverTextColor = source->OnHoverTextColor;
	OnHoverSetBackgroundColor = source->OnHoverSetBackgroundColor;
	OnHoverBackgroundColor = source->OnHoverBackgroundColor;
	OnHoverShowImage = source->OnHoverShowImage;
}

scene::ISceneNode* CVesk2DOverlayNode::clone(scene::ISceneNode* newParent, scene::ISceneManager* newManager)
{
	if (!newParent)
		newParent = Parent;
	if (!newManager)
		newManager = SceneManager;
	CVesk2DOverlayNode* node = new CVesk2DOverlayNode(newParent, newManager, ID, GUIEnvironment, CursorControl);
	node->cloneMembers(this, newManager);
	node->copyOverlayMembers(this);
	if (newParent)
		node->drop();
	return node;
}
