// The 2D overlay node: payload, attributes, rectangles, the multiline layout and fonts.
#include "document/CMemoryWriteFile.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskTypeCodes.h"
#include "document/veskVersion.h"
#include "render/veskSceneManager.h"
#include "scene/CVesk2DOverlayNode.h"
#include "scene/veskNodeFactory.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace irr;

namespace
{

const u16 PAYLOAD_CHUNK = 10;
const c8* const ALIGNMENT_NAMES[] = { "top left", "center", "multiline", 0 };

class OverlayNode : public ::testing::Test
{
protected:
	void SetUp() override
	{
		Device = hxtest::createNullDevice();
		ASSERT_NE(Device, nullptr);
		Driver = Device->getVideoDriver();
		Driver->OnResize(core::dimension2du(800, 600));
		SceneManager = createVeskSceneManager(Device->getSceneManager());
		ASSERT_NE(SceneManager, nullptr);
		Attributes = Device->getFileSystem()->createEmptyAttributes(Driver);
		video::IImage* image = Driver->createImage(video::ECF_A8R8G8B8, core::dimension2du(256, 128));
		Texture = Driver->addTexture("overlay-image.png", image);
		HoverTexture = Driver->addTexture("overlay-hover.png", image);
		image->drop();
	}

	void TearDown() override
	{
		if (Attributes)
			Attributes->drop();
		if (SceneManager)
			SceneManager->drop();
		if (Device)
			Device->drop();
	}

	//! An overlay as the document reader makes it, with the test cursor.
	CVesk2DOverlayNode* make()
	{
		CVeskDeserializer* reader = new CVeskDeserializer(0, Device);
		scene::ISceneNode* node = createVeskSceneNode(VESK_NODE_2D_OVERLAY, SceneManager->getRootSceneNode(),
			SceneManager, 4, core::vector3df(0, 0, 0), reader);
		reader->drop();
		CVesk2DOverlayNode* overlay = dynamic_cast<CVesk2DOverlayNode*>(node);
		EXPECT_NE(overlay, nullptr);
		return overlay;
	}

	void apply(CVesk2DOverlayNode* node, const std::function<void(io::IAttributes*)>& change)
	{
		Attributes->clear();
		node->serializeAttributes(Attributes);
		change(Attributes);
		node->deserializeAttributes(Attributes);
	}

	std::vector<std::string> attributeNames(CVesk2DOverlayNode* node)
	{
		Attributes->clear();
		node->serializeAttributes(Attributes);
		std::vector<std::string> names;
		for (u32 i = 0; i < Attributes->getAttributeCount(); ++i)
			names.push_back(Attributes->getAttributeName(i));
		return names;
	}

	static std::vector<u8> written(const std::function<void(CVeskSerializer*)>& fill)
	{
		CMemoryWriteFile* file = new CMemoryWriteFile("payload");
		CVeskSerializer* writer = new CVeskSerializer(file);
		writer->beginChunk(PAYLOAD_CHUNK);
		fill(writer);
		writer->endChunk();
		writer->drop();
		std::vector<u8> bytes = file->getData();
		file->drop();
		return bytes;
	}

	static std::vector<u8> payloadOf(CVesk2DOverlayNode* node)
	{
		return written([node](CVeskSerializer* writer) { node->writeBinary(writer); });
	}

	//! Reads a framed payload into node; answers whether exactly the payload was read.
	bool read(CVesk2DOverlayNode* node, const std::vector<u8>& bytes)
	{
		io::IReadFile* file = hxtest::createReadFileFromBytes(bytes);
		CVeskDeserializer* reader = new CVeskDeserializer(file, Device);
		file->drop();
		reader->setVersion(VESK_CURRENT_VERSION);
		reader->readChunkHeader();
		const long end = reader->getChunkEnd();
		node->readBinary(reader);
		const bool exact = reader->getPosition() == end;
		reader->drop();
		return exact;
	}

	IrrlichtDevice* Device = nullptr;
	video::IVideoDriver* Driver = nullptr;
	scene::ISceneManager* SceneManager = nullptr;
	io::IAttributes* Attributes = nullptr;
	video::ITexture* Texture = nullptr;
	video::ITexture* HoverTexture = nullptr;
};

//! The payload of a node with every field away from its default, in stored order.
void writeChangedPayload(CVeskSerializer* writer)
{
	writer->writeInt(1);
	writer->writeBool(true);
	writer->writeInt(-5);
	writer->writeInt(7);
	writer->writeInt(300);
	writer->writeInt(40);
	writer->writeBool(false);
	writer->writeColor(video::SColor(0x11223344));
	writer->writeString("overlay-image.png");
	writer->writeString("overlay-hover.png");
	writer->writeBool(true);
	writer->writeBool(true);
	writer->writeChar(2);
	writer->writeString("Score: 12\xE2\x82\xAC");
	writer->writeString("#fnt_12;Other;Courier;Bold;Italic;True");
	writer->writeColor(video::SColor(0xFF102030));
	writer->writeBool(true);
	writer->writeBool(false);
	writer->writeColor(video::SColor(0xFF405060));
	writer->writeBool(false);
	writer->writeColor(video::SColor(0x70809000));
	writer->writeBool(true);
}

} // end anonymous namespace

TEST_F(OverlayNode, FactoryMakesADetachedOverlayWithTheBuiltInFont)
{
	CVesk2DOverlayNode* node = make();
	ASSERT_NE(node, nullptr);
	EXPECT_EQ(u32(node->getType()), VESK_NODE_2D_OVERLAY);
	EXPECT_EQ(node->getID(), 4);
	EXPECT_EQ(node->getParent(), nullptr);
	EXPECT_EQ(node->getReferenceCount(), 1);
	EXPECT_EQ(node->getFont(), Device->getGUIEnvironment()->getBuiltInFont());
	EXPECT_TRUE(node->getBoundingBox().isEmpty());
	EXPECT_EQ(node->getBoundingBox().MinEdge, core::vector3df(0, 0, 0));
	node->drop();

	struct SCase
	{
		u32 Code;
		bool Is2D;
	};
	const SCase cases[] = { { VESK_NODE_2D_OVERLAY, true }, { VESK_NODE_2D_MOBILE_INPUT, true },
		{ VESK_NODE_MESH, false }, { VESK_NODE_BILLBOARD, false }, { VESK_NODE_2D_OVERLAY & ~0xFF000000u, false } };
	for (const SCase& c : cases)
		EXPECT_EQ(CVesk2DOverlayNode::is2DNodeType(c.Code), c.Is2D) << c.Code;
}

TEST_F(OverlayNode, StoredFieldsAreReadInOrderAndWrittenBackByteForByte)
{
	CVesk2DOverlayNode* node = make();
	const std::vector<u8> defaults = payloadOf(node);
	const std::vector<u8> stored = written(writeChangedPayload);
	EXPECT_TRUE(read(node, stored));
	EXPECT_EQ(payloadOf(node), stored);

	EXPECT_TRUE(node->isPositionAbsolute());
	EXPECT_EQ(node->getScreenRect(false), core::rect<s32>(-5, 7, 295, 47));
	EXPECT_EQ(node->getImage(), Texture);
	EXPECT_EQ(node->getHoverImage(), HoverTexture);
	EXPECT_EQ(node->getText(), core::stringc("Score: 12\xE2\x82\xAC"));
	Attributes->clear();
	node->serializeAttributes(Attributes);
	EXPECT_FALSE(Attributes->getAttributeAsBool("Sharp Image"));
	EXPECT_TRUE(Attributes->getAttributeAsBool("Keep Aspect Ratio"));
	EXPECT_FALSE(Attributes->existsAttribute("Background Color"));
	EXPECT_EQ(Attributes->getAttributeAsString("Alignment"), core::stringc("multiline"));
	EXPECT_EQ(Attributes->getAttributeAsString("Font"), core::stringc("12;Other;Courier;Bold;Italic;True"));
	EXPECT_EQ(Attributes->getAttributeAsColor("TextColor").color, 0xFF102030u);
	EXPECT_FALSE(Attributes->getAttributeAsBool("OnHover Set TextColor"));
	EXPECT_FALSE(Attributes->existsAttribute("OnHover TextColor"));
	EXPECT_TRUE(Attributes->getAttributeAsBool("OnHover Show Image"));
	// An unknown font description keeps the font the node had.
	EXPECT_EQ(node->getFont(), Device->getGUIEnvironment()->getBuiltInFont());

	// A relative rectangle is stored as four floats; reading the defaults back restores them.
	CVesk2DOverlayNode* fresh = make();
	EXPECT_TRUE(read(fresh, defaults));
	EXPECT_EQ(payloadOf(fresh), defaults);
	EXPECT_FALSE(fresh->isPositionAbsolute());
	fresh->drop();
	EXPECT_TRUE(read(node, defaults));
	EXPECT_EQ(payloadOf(node), defaults);
	EXPECT_EQ(node->getImage(), nullptr);
	node->drop();
}

TEST_F(OverlayNode, DamagedPayloadsAreReadWithoutHarm)
{
	CVesk2DOverlayNode* source = make();
	ASSERT_TRUE(read(source, written(writeChangedPayload)));
	const std::vector<u8> whole = payloadOf(source);
	source->drop();
	for (size_t length = 0; length <= whole.size(); ++length)
	{
		CVesk2DOverlayNode* node = make();
		read(node, std::vector<u8>(whole.begin(), whole.begin() + length));
		node->getScreenRect(true);
		node->drop();
	}

	// String lengths that claim far more than the file holds, and rectangles at the ends
	// of the number ranges.
	const std::vector<u8> hostile = written([](CVeskSerializer* writer) {
		writer->writeInt(0);
		writer->writeBool(false);
		writer->writeFloat(3e38f);
		writer->writeFloat(-3e38f);
		writer->writeFloat(std::numeric_limits<f32>::quiet_NaN());
		writer->writeFloat(std::numeric_limits<f32>::infinity());
		writer->writeBool(true);
		writer->writeColor(video::SColor(0));
		writer->writeUInt(0xFFFFFFF0u);
	});
	CVesk2DOverlayNode* node = make();
	read(node, hostile);
	node->getScreenRect(true);
	node->getMultilineLayout(100);
	node->drop();

	const std::vector<u8> extremePixels = written([](CVeskSerializer* writer) {
		writer->writeInt(0);
		writer->writeBool(true);
		writer->writeInt(0x7FFFFFF0);
		writer->writeInt(-0x7FFFFFF0);
		writer->writeInt(0x7FFFFFFF);
		writer->writeInt(-0x7FFFFFFF);
	});
	node = make();
	read(node, extremePixels);
	const core::rect<s32> rect = node->getScreenRect(true);
	EXPECT_EQ(rect.LowerRightCorner.X, 0x7FFFFFFF);
	EXPECT_EQ(rect.LowerRightCorner.Y, s32(-0x7FFFFFFF - 1));
	apply(node, [](io::IAttributes* a) { a->setAttribute("Position Mode", "relative (percent)"); });
	node->drop();
}

TEST_F(OverlayNode, AttributesFollowTheSwitchesInOrder)
{
	CVesk2DOverlayNode* node = make();
	const std::vector<std::string> defaults = { "Name", "Visible", "Position Mode", "Pos X (percent)",
		"Pos Y (percent)", "Width (percent)", "Height (percent)", "Draw Background", "Background Color", "Alpha",
		"Image", "Draw Text", "OnHover Animate" };
	EXPECT_EQ(attributeNames(node), defaults);
	Attributes->clear();
	node->serializeAttributes(Attributes);
	EXPECT_EQ(Attributes->getAttributeAsString("Position Mode"), core::stringc("relative (percent)"));
	EXPECT_NEAR(Attributes->getAttributeAsFloat("Width (percent)"), 16.666667f, 1e-4f);
	EXPECT_EQ(Attributes->getAttributeAsColor("Background Color").color, 0x80808080u);
	EXPECT_EQ(Attributes->getAttributeAsInt("Alpha"), 0x80);

	node->setImage(Texture);
	node->setHoverImage(HoverTexture);
	apply(node, [](io::IAttributes* a) {
		a->setAttribute("Position Mode", "absolute (pixels)");
		a->setAttribute("Draw Background", false);
		a->setAttribute("Draw Text", true);
		a->setAttribute("OnHover Animate", true);
	});
	apply(node, [](io::IAttributes* a) { a->setAttribute("OnHover Show Image", true); });
	const std::vector<std::string> everything = { "Name", "Visible", "Position Mode", "Pos X (pixels)",
		"Pos Y (pixels)", "Width (pixels)", "Height (pixels)", "Draw Background", "Image", "Keep Aspect Ratio",
		"Sharp Image", "Draw Text", "Text", "Alignment", "TextColor", "Font", "OnHover Animate", "OnHover Set TextColor",
		"OnHover TextColor", "OnHover Set BackgroundColor", "OnHover BackgroundColor", "OnHover Show Image",
		"OnHover Image" };
	EXPECT_EQ(attributeNames(node), everything);
	Attributes->clear();
	node->serializeAttributes(Attributes);
	EXPECT_EQ(Attributes->getAttributeAsString("Font"), core::stringc("10;Default;Arial;Normal;Normal;False"));
	EXPECT_EQ(Attributes->getAttributeAsTexture("OnHover Image"), HoverTexture);

	io::SAttributeReadWriteOptions options;
	options.Flags = CVesk2DOverlayNode::ATTRIBUTES_NONE;
	Attributes->clear();
	node->serializeAttributes(Attributes, &options);
	EXPECT_EQ(Attributes->getAttributeCount(), 0u);
	node->drop();
}

TEST_F(OverlayNode, ReadingAttributes)
{
	struct SCase
	{
		const char* Name;
		std::function<void(io::IAttributes*)> Change;
		std::function<void(CVesk2DOverlayNode*, io::IAttributes*)> Check;
	};
	const SCase cases[] = {
		{ "percent values are fractions", [](io::IAttributes* a) {
			a->setAttribute("Pos X (percent)", 25.f);
			a->setAttribute("Height (percent)", 50.f);
		}, [](CVesk2DOverlayNode* n, io::IAttributes*) {
			EXPECT_EQ(n->getScreenRect(false), core::rect<s32>(200, 300, 333, 600));
		} },
		{ "to pixels keeps the place and ignores the new values", [](io::IAttributes* a) {
			a->setAttribute("Position Mode", "absolute (pixels)");
			a->addInt("Pos X (pixels)", 1);
		}, [](CVesk2DOverlayNode* n, io::IAttributes* a) {
			EXPECT_TRUE(n->isPositionAbsolute());
			EXPECT_EQ(n->getScreenRect(false), core::rect<s32>(400, 300, 533, 400));
			EXPECT_EQ(a->getAttributeAsInt("Pos X (pixels)"), 400);
			EXPECT_EQ(a->getAttributeAsInt("Width (pixels)"), 133);
		} },
		{ "background colour takes the separate alpha, clamped", [](io::IAttributes* a) {
			a->setAttribute("Background Color", video::SColor(0x10203040));
			a->setAttribute("Alpha", 999);
		}, [](CVesk2DOverlayNode*, io::IAttributes* a) {
			EXPECT_EQ(a->getAttributeAsColor("Background Color").color, 0xFF203040u);
		} },
		{ "a line feed in the text makes it multiline; text colours become opaque", [](io::IAttributes* a) {
			a->setAttribute("Draw Text", true);
			a->addString("Text", "one\ntwo");
			a->addEnum("Alignment", 0, ALIGNMENT_NAMES);
			a->addColor("TextColor", video::SColor(0x00112233));
			a->addString("Font", "  12;Other ");
		}, [](CVesk2DOverlayNode* n, io::IAttributes* a) {
			EXPECT_EQ(n->getText(), core::stringc("one\ntwo"));
			EXPECT_EQ(a->getAttributeAsString("Alignment"), core::stringc("multiline"));
			EXPECT_EQ(a->getAttributeAsColor("TextColor").color, 0xFF112233u);
			EXPECT_EQ(a->getAttributeAsString("Font"), core::stringc("12;Other"));
		} },
		{ "text settings wait while text is off", [](io::IAttributes* a) {
			a->addString("Text", "ignored");
		}, [](CVesk2DOverlayNode* n, io::IAttributes*) { EXPECT_EQ(n->getText(), core::stringc("")); } },
		{ "hover colours: text opaque, background with the background's alpha", [](io::IAttributes* a) {
			a->setAttribute("OnHover Animate", true);
			a->addBool("OnHover Set TextColor", true);
			a->addColor("OnHover TextColor", video::SColor(0x01020304));
			a->addBool("OnHover Set BackgroundColor", true);
			a->addColor("OnHover BackgroundColor", video::SColor(0xFF050607));
		}, [](CVesk2DOverlayNode*, io::IAttributes* a) {
			EXPECT_EQ(a->getAttributeAsColor("OnHover TextColor").color, 0xFF020304u);
			EXPECT_EQ(a->getAttributeAsColor("OnHover BackgroundColor").color, 0x80050607u);
		} },
	};
	for (const SCase& c : cases)
	{
		SCOPED_TRACE(c.Name);
		CVesk2DOverlayNode* node = make();
		apply(node, c.Change);
		Attributes->clear();
		node->serializeAttributes(Attributes);
		c.Check(node, Attributes);
		node->drop();
	}
}

TEST_F(OverlayNode, PixelsBackToRelativeUseTheViewport)
{
	CVesk2DOverlayNode* node = make();
	node->setPixelRect(200, 150, 400, 60);
	apply(node, [](io::IAttributes* a) { a->setAttribute("Position Mode", "relative (percent)"); });
	EXPECT_FALSE(node->isPositionAbsolute());
	Attributes->clear();
	node->serializeAttributes(Attributes);
	EXPECT_FLOAT_EQ(Attributes->getAttributeAsFloat("Pos X (percent)"), 25.f);
	EXPECT_FLOAT_EQ(Attributes->getAttributeAsFloat("Pos Y (percent)"), 25.f);
	EXPECT_FLOAT_EQ(Attributes->getAttributeAsFloat("Width (percent)"), 50.f);
	EXPECT_FLOAT_EQ(Attributes->getAttributeAsFloat("Height (percent)"), 10.f);
	Driver->OnResize(core::dimension2du(400, 300));
	EXPECT_EQ(node->getScreenRect(false), core::rect<s32>(100, 75, 300, 105));
	node->drop();
}

TEST_F(OverlayNode, RectangleInPixelsOrFractionsOfTheScreen)
{
	struct SCase
	{
		u32 Width, Height;
		bool Absolute;
		f32 X, Y, W, H;
		core::rect<s32> Expected;
	};
	const SCase cases[] = {
		{ 800, 600, false, 0.5f, 0.5f, 0.16666667f, 0.16666667f, core::rect<s32>(400, 300, 533, 400) },
		{ 640, 480, false, 0.5f, 0.5f, 0.16666667f, 0.16666667f, core::rect<s32>(320, 240, 426, 320) },
		{ 640, 480, false, -0.1f, 0.999f, 1.2f, 0.f, core::rect<s32>(-64, 479, 704, 479) },
		{ 800, 600, true, 10, 20, 30, 40, core::rect<s32>(10, 20, 40, 60) },
		{ 320, 240, true, 10, 20, 30, 40, core::rect<s32>(10, 20, 40, 60) },
		{ 320, 240, true, -10, 500, -30, 0, core::rect<s32>(-10, 500, -40, 500) },
	};
	CVesk2DOverlayNode* node = make();
	for (const SCase& c : cases)
	{
		Driver->OnResize(core::dimension2du(c.Width, c.Height));
		if (c.Absolute)
			node->setPixelRect(s32(c.X), s32(c.Y), s32(c.W), s32(c.H));
		else
			node->setRelativeRect(c.X, c.Y, c.W, c.H);
		EXPECT_EQ(node->getScreenRect(false), c.Expected) << c.Width << "x" << c.Height << " " << c.X;
		// The viewport is the whole screen: the driver's 2D coordinates are its pixels.
		EXPECT_EQ(node->getScreenRect(true), c.Expected) << c.Width << "x" << c.Height << " " << c.X;
	}
	node->drop();
}

TEST_F(OverlayNode, MultilineLayoutBreaksAtSpacesAndLineEnds)
{
	CVesk2DOverlayNode* node = make();
	gui::IGUIFont* font = node->getFont();
	ASSERT_NE(font, nullptr);
	auto width = [font](const wchar_t* text) { return s32(font->getDimension(text).Width); };

	struct SCase
	{
		const char* Text;
		s32 Width;
		std::vector<std::wstring> Lines;
	};
	const SCase cases[] = {
		{ "a\r\nb", 500, { L"a ", L"b" } },
		{ "a\rb\nc", 500, { L"a ", L"b ", L"c" } },
		{ "aaa bbb ccc", width(L"aaa bbb") + 6, { L"aaa bbb", L"ccc" } },
		{ "aaa bbb ccc", width(L"aaa bbb") + 5, { L"aaa", L"bbb ccc" } },
		{ "unbreakablewordthatiswiderthaneverything", 20, { L"unbreakablewordthatiswiderthaneverything" } },
		{ "tab\tseparated\twords", width(L"tab") + 6, { L"tab\tseparated\twords" } },
		{ "", 100, { L"" } },
	};
	for (const SCase& c : cases)
	{
		node->setText(c.Text);
		const core::array<core::stringw>& lines = node->getMultilineLayout(c.Width);
		std::vector<std::wstring> got;
		for (u32 i = 0; i < lines.size(); ++i)
			got.push_back(lines[i].c_str());
		EXPECT_EQ(got, c.Lines) << c.Text << " at " << c.Width;
	}

	// The layout follows the width, and a text change, without being asked twice.
	node->setText("aaa bbb ccc");
	EXPECT_EQ(node->getMultilineLayout(1000).size(), 1u);
	EXPECT_EQ(node->getMultilineLayout(width(L"aaa bbb") + 6).size(), 2u);
	node->setText("aaa");
	EXPECT_EQ(node->getMultilineLayout(width(L"aaa bbb") + 6).size(), 1u);
	node->setText(0);
	EXPECT_EQ(node->getText(), core::stringc("aaa"));
	node->drop();
}

TEST_F(OverlayNode, TextIsDecodedFromUtf8)
{
	CVesk2DOverlayNode* node = make();
	struct SCase
	{
		const char* Text;
		std::wstring Decoded;
	};
	const SCase cases[] = {
		{ "Gr\xC3\xBC\xC3\x9F" "e", L"Gr\u00FC\u00DFe" },
		{ "\xE2\x82\xAC \xF0\x9F\x98\x80", L"\u20AC \U0001F600" },
		{ "bad \xC3 \xFF end", L"bad \uFFFD \uFFFD end" },
		{ "over\xC0\xAFlong \xED\xA0\x80", L"over\uFFFD\uFFFDlong \uFFFD" },
	};
	for (const SCase& c : cases)
	{
		node->setText(c.Text);
		const core::array<core::stringw>& lines = node->getMultilineLayout(100000);
		ASSERT_EQ(lines.size(), 1u) << c.Text;
		EXPECT_EQ(std::wstring(lines[0].c_str()), c.Decoded) << c.Text;
	}
	node->drop();
}

TEST_F(OverlayNode, TexturesAndFontAreHeldAndCloneSharesThem)
{
	CVesk2DOverlayNode* node = make();
	SceneManager->getRootSceneNode()->addChild(node);
	const s32 textureReferences = Texture->getReferenceCount();
	node->setImage(Texture);
	node->setImage(Texture);
	EXPECT_EQ(Texture->getReferenceCount(), textureReferences + 1);
	node->setHoverImage(HoverTexture);
	apply(node, [](io::IAttributes* a) {
		a->setAttribute("Position Mode", "absolute (pixels)");
		a->setAttribute("Draw Text", true);
		a->addString("Text", "clone me");
		a->setAttribute("OnHover Animate", true);
	});
	node->setName("title");

	// Attribute lists hold textures too.
	Attributes->clear();
	CVesk2DOverlayNode* clone = static_cast<CVesk2DOverlayNode*>(node->clone());
	ASSERT_NE(clone, nullptr);
	EXPECT_EQ(clone->getParent(), SceneManager->getRootSceneNode());
	EXPECT_EQ(clone->getReferenceCount(), 1);
	EXPECT_EQ(Texture->getReferenceCount(), textureReferences + 2);
	EXPECT_EQ(clone->getHoverImage(), HoverTexture);
	EXPECT_EQ(clone->getFont(), node->getFont());
	EXPECT_EQ(std::string(clone->getName()), "title");
	EXPECT_EQ(payloadOf(clone), payloadOf(node));
	EXPECT_EQ(attributeNames(clone), attributeNames(node));

	clone->remove();
	Attributes->clear();
	node->setImage(0);
	EXPECT_EQ(Texture->getReferenceCount(), textureReferences);
	node->remove();
	node->drop();
}
