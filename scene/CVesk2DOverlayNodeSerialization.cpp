#include "scene/CVesk2DOverlayNode.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "scene/vesk2DRectangles.h"

#include <IAttributes.h>
#include <ISceneManager.h>
#include <IVideoDriver.h>

using namespace irr;

namespace
{

const c8* const POSITION_MODE_NAMES[] = { "absolute (pixels)", "relative (percent)", 0 };
const c8* const ALIGNMENT_NAMES[] = { "top left", "center", "multiline", 0 };
const c8* const FONT_PREFIX = "#fnt_";
const c8* const WHITESPACE = " \t\n\r";

//! The description as the "Font" attribute shows it: trimmed, without its prefix.
core::stringc fontAttribute(const core::stringc& description)
{
	core::stringc font = description;
	font.trim(WHITESPACE);
	const u32 prefixLength = 5;
	if (font.equalsn(FONT_PREFIX, prefixLength))
		font = font.subString(prefixLength, font.size() - prefixLength);
	return font;
}

video::SColor withAlpha(video::SColor color, u32 alpha)
{
	color.setAlpha(alpha);
	return color;
}

} // end anonymous namespace

void CVesk2DOverlayNode::writeRectangleAndBackground(CVeskSerializer* writer)
{
	writer->writeBool(PositionAbsolute);
	if (PositionAbsolute)
	{
		writer->writeInt(PixelX);
		writer->writeInt(PixelY);
		writer->writeInt(PixelWidth);
		writer->writeInt(PixelHeight);
	}
	else
	{
		writer->writeFloat(RelativeX);
		writer->writeFloat(RelativeY);
		writer->writeFloat(RelativeWidth);
		writer->writeFloat(RelativeHeight);
	}
	writer->writeBool(DrawBackground);
	writer->writeColor(BackgroundColor);
}

void CVesk2DOverlayNode::readRectangleAndBackground(CVeskDeserializer* reader)
{
	PositionAbsolute = reader->readBool();
	if (PositionAbsolute)
	{
		PixelX = reader->readInt();
		PixelY = reader->readInt();
		PixelWidth = reader->readInt();
		PixelHeight = reader->readInt();
	}
	else
	{
		RelativeX = reader->readFloat();
		RelativeY = reader->readFloat();
		RelativeWidth = reader->readFloat();
		RelativeHeight = reader->readFloat();
	}
	DrawBackground = reader->readBool();
	BackgroundColor = reader->readColor();
}

void CVesk2DOverlayNode::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(Smooth ? 1 : 0);
	writeRectangleAndBackground(writer);
	writer->writeTexture(Image);
	writer->writeTexture(HoverImage);
	writer->writeBool(KeepAspectRatio);
	writer->writeBool(DrawText);
	writer->writeChar(s8(Alignment));
	writer->writeString(Text);
	writer->writeString(FontDescription);
	writer->writeColor(TextColor);
	writer->writeBool(OnHoverAnimate);
	writer->writeBool(OnHoverSetTextColor);
	writer->writeColor(OnHoverTextColor);
	writer->writeBool(OnHoverSetBackgroundColor);
	writer->writeColor(OnHoverBackgroundColor);
	writer->writeBool(OnHoverShowImage);
}

void CVesk2DOverlayNode::readBinary(CVeskDeserializer* reader)
{
	Smooth = (reader->readInt() & 1) != 0;
	readRectangleAndBackground(reader);
	setImage(reader->readTexture());
	setHoverImage(reader->readTexture());
	KeepAspectRatio = reader->readBool();
	DrawText = reader->readBool();
	Alignment = reader->readChar();
	reader->readString(Text);
	reader->readString(FontDescription);
	TextColor = reader->readColor();
	OnHoverAnimate = reader->readBool();
	OnHoverSetTextColor = reader->readBool();
	OnHoverTextColor = reader->readColor();
	OnHoverSetBackgroundColor = reader->readBool();
	OnHoverBackgroundColor = reader->readColor();
	OnHoverShowImage = reader->readBool();
	if (DrawText && Text.size())
		updateFont();
}

void CVesk2DOverlayNode::serializeRectangleAndBackground(io::IAttributes* out) const
{
	out->addEnum("Position Mode", PositionAbsolute ? 0 : 1, POSITION_MODE_NAMES);
	if (PositionAbsolute)
	{
		out->addInt("Pos X (pixels)", PixelX);
		out->addInt("Pos Y (pixels)", PixelY);
		out->addInt("Width (pixels)", PixelWidth);
		out->addInt("Height (pixels)", PixelHeight);
	}
	else
	{
		out->addFloat("Pos X (percent)", RelativeX * 100.f);
		out->addFloat("Pos Y (percent)", RelativeY * 100.f);
		out->addFloat("Width (percent)", RelativeWidth * 100.f);
		out->addFloat("Height (percent)", RelativeHeight * 100.f);
	}
	out->addBool("Draw Background", DrawBackground);
	if (DrawBackground)
	{
		out->addColor("Background Color", BackgroundColor);
		out->addInt("Alpha", s32(BackgroundColor.getAlpha()));
	}
}

void CVesk2DOverlayNode::deserializeRectangleAndBackground(io::IAttributes* in)
{
	const s32 mode = in->existsAttribute("Position Mode") ? in->getAttributeAsEnumeration("Position Mode", POSITION_MODE_NAMES) : -1;
	const bool absolute = mode < 0 ? PositionAbsolute : mode == 0;
	if (absolute != PositionAbsolute)
	{
		// The values given for the new mode describe some other rectangle: the overlay stays
		// where it is instead.
		const core::rect<s32> current = getScreenRect(false);
		const s32 width = getClampedWidth(current);
		const s32 height = getClampedHeight(current);
		if (absolute)
			setPixelRect(current.UpperLeftCorner.X, current.UpperLeftCorner.Y, width, height);
		else
		{
			video::IVideoDriver* driver = SceneManager ? SceneManager->getVideoDriver() : 0;
			const core::rect<s32> viewport = driver ? driver->getViewPort() : core::rect<s32>(0, 0, 0, 0);
			const f32 viewportWidth = f32(viewport.getWidth());
			const f32 viewportHeight = f32(viewport.getHeight());
			if (viewportWidth != 0.f && viewportHeight != 0.f)
				setRelativeRect(f32(current.UpperLeftCorner.X) / viewportWidth, f32(current.UpperLeftCorner.Y) / viewportHeight,
					f32(width) / viewportWidth, f32(height) / viewportHeight);
			PositionAbsolute = false;
		}
	}
	else if (absolute)
	{
		if (in->existsAttribute("Pos X (pixels)"))
			PixelX = in->getAttributeAsInt("Pos X (pixels)");
		if (in->existsAttribute("Pos Y (pixels)"))
			PixelY = in->getAttributeAsInt("Pos Y (pixels)");
		if (in->existsAttribute("Width (pixels)"))
			PixelWidth = in->getAttributeAsInt("Width (pixels)");
		if (in->existsAttribute("Height (pixels)"))
			PixelHeight = in->getAttributeAsInt("Height (pixels)");
	}
	else
	{
		if (in->existsAttribute("Pos X (percent)"))
			RelativeX = in->getAttributeAsFloat("Pos X (percent)") * 0.01f;
		if (in->existsAttribute("Pos Y (percent)"))
			RelativeY = in->getAttributeAsFloat("Pos Y (percent)") * 0.01f;
		if (in->existsAttribute("Width (percent)"))
			RelativeWidth = in->getAttributeAsFloat("Width (percent)") * 0.01f;
		if (in->existsAttribute("Height (percent)"))
			RelativeHeight = in->getAttributeAsFloat("Height (percent)") * 0.01f;
	}

	if (in->existsAttribute("Draw Background"))
		DrawBackground = in->getAttributeAsBool("Draw Background");
	if (DrawBackground && in->existsAttribute("Background Color"))
	{
		BackgroundColor = in->getAttributeAsColor("Background Color");
		if (in->existsAttribute("Alpha"))
			BackgroundColor.setAlpha(u32(core::clamp(in->getAttributeAsInt("Alpha"), 0, 255)));
	}
}

void CVesk2DOverlayNode::serializeAttributes(io::IAttributes* out, io::SAttributeReadWriteOptions* options) const
{
	if (!out || (options && (options->Flags & ATTRIBUTES_NONE)))
		return;
	out->addString("Name", Name.c_str());
	out->addBool("Visible", IsVisible);
	serializeRectangleAndBackground(out);
	out->addTexture("Image", Image);
	if (Image)
	{
		out->addBool("Keep Aspect Ratio", KeepAspectRatio);
		out->addBool("Sharp Image", !Smooth);
	}
	out->addBool("Draw Text", DrawText);
	if (DrawText)
	{
		out->addString("Text", Text.c_str());
		out->addEnum("Alignment", Alignment, ALIGNMENT_NAMES);
		out->addColor("TextColor", TextColor);
		out->addString("Font", fontAttribute(FontDescription).c_str());
	}
	out->addBool("OnHover Animate", OnHoverAnimate);
	if (OnHoverAnimate)
	{
		out->addBool("OnHover Set TextColor", OnHoverSetTextColor);
		if (OnHoverSetTextColor)
			out->addColor("OnHover TextColor", OnHoverTextColor);
		out->addBool("OnHover Set BackgroundColor", OnHoverSetBackgroundColor);
		if (OnHoverSetBackgroundColor)
			out->addColor("OnHover BackgroundColor", OnHoverBackgroundColor);
		out->addBool("OnHover Show Image", OnHoverShowImage);
		if (OnHoverShowImage)
			out->addTexture("OnHover Image", HoverImage);
	}
}

void CVesk2DOverlayNode::deserializeAttributes(io::IAttributes* in, io::SAttributeReadWriteOptions* options)
{
	if (!in)
		return;
	if (in->existsAttribute("Name"))
		setName(in->getAttributeAsString("Name"));
	if (in->existsAttribute("Visible"))
		setVisible(in->getAttributeAsBool("Visible"));
	deserializeRectangleAndBackground(in);

	if (in->existsAttribute("Image"))
		setImage(in->getAttributeAsTexture("Image"));
	if (in->existsAttribute("Keep Aspect Ratio"))
		KeepAspectRatio = in->getAttributeAsBool("Keep Aspect Ratio");
	if (in->existsAttribute("Sharp Image"))
		Smooth = !in->getAttributeAsBool("Sharp Image");

	const bool drewText = DrawText && Text.size();
	const core::stringc oldFontDescription = FontDescription;
	if (in->existsAttribute("Draw Text"))
		DrawText = in->getAttributeAsBool("Draw Text");
	if (DrawText)
	{
		if (in->existsAttribute("Text"))
			Text = in->getAttributeAsString("Text");
		if (in->existsAttribute("Alignment"))
		{
			const s32 alignment = in->getAttributeAsEnumeration("Alignment", ALIGNMENT_NAMES);
			if (alignment >= 0)
				Alignment = alignment;
		}
		if (Text.findFirst('\n') >= 0)
			Alignment = EA_MULTILINE;
		if (in->existsAttribute("TextColor"))
			TextColor = withAlpha(in->getAttributeAsColor("TextColor"), 255);
		if (in->existsAttribute("Font"))
		{
			core::stringc font = in->getAttributeAsString("Font");
			font.trim(WHITESPACE);
			FontDescription = FONT_PREFIX;
			FontDescription += font;
		}
	}
	const bool drawsText = DrawText && Text.size();
	if (drawsText != drewText || FontDescription != oldFontDescription)
		updateFont();

	if (in->existsAttribute("OnHover Animate"))
		OnHoverAnimate = in->getAttributeAsBool("OnHover Animate");
	if (OnHoverAnimate)
	{
		if (in->existsAttribute("OnHover Set TextColor"))
			OnHoverSetTextColor = in->getAttributeAsBool("OnHover Set TextColor");
		if (OnHoverSetTextColor && in->existsAttribute("OnHover TextColor"))
			OnHoverTextColor = withAlpha(in->getAttributeAsColor("OnHover TextColor"), 255);
		if (in->existsAttribute("OnHover Set BackgroundColor"))
			OnHoverSetBackgroundColor = in->getAttributeAsBool("OnHover Set BackgroundColor");
		if (OnHoverSetBackgroundColor && in->existsAttribute("OnHover BackgroundColor"))
			OnHoverBackgroundColor = withAlpha(in->getAttributeAsColor("OnHover BackgroundColor"), BackgroundColor.getAlpha());
		if (in->existsAttribute("OnHover Show Image"))
			OnHoverShowImage = in->getAttributeAsBool("OnHover Show Image");
		if (in->existsAttribute("OnHover Image"))
			setHoverImage(in->getAttributeAsTexture("OnHover Image"));
	}
}
