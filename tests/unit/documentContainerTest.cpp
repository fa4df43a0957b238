// The published executable's trailer, the document header and the chunk primitives.
#include "document/CMemoryWriteFile.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/publishedExecutable.h"
#include "document/veskVersion.h"
#include "tests/support/testSupport.h"

#include <gtest/gtest.h>

using namespace irr;

namespace
{

std::vector<u8> bytesOf(CMemoryWriteFile* file)
{
	return file->getData();
}

//! Builds bytes with the writer and answers them.
template <typename F> std::vector<u8> written(F fill)
{
	CMemoryWriteFile* file = new CMemoryWriteFile("out");
	CVeskSerializer* writer = new CVeskSerializer(file);
	fill(writer);
	EXPECT_EQ(writer->getOpenChunkCount(), 0u);
	writer->drop();
	std::vector<u8> bytes = bytesOf(file);
	file->drop();
	return bytes;
}

CVeskDeserializer* readerOver(const std::vector<u8>& bytes, const char* name = "archive")
{
	io::IReadFile* file = hxtest::createReadFileFromBytes(bytes, name);
	CVeskDeserializer* reader = new CVeskDeserializer(file, 0);
	file->drop();
	return reader;
}

std::vector<u8> executableWith(const std::vector<u8>& player, const std::vector<u8>& document, const SPublishedTrailer& trailer)
{
	std::vector<u8> out(player);
	out.insert(out.end(), document.begin(), document.end());
	u8 bytes[SPublishedTrailer::BYTE_SIZE];
	trailer.toBytes(bytes);
	out.insert(out.end(), bytes, bytes + sizeof(bytes));
	return out;
}

SPublishedTrailer validTrailer()
{
	SPublishedTrailer trailer;
	trailer.magic = SPublishedTrailer::MAGIC;
	trailer.documentOffset = 3;
	trailer.documentSize = 5;
	trailer.windowWidth = 1024;
	trailer.windowHeight = 700;
	trailer.maxFramesPerSecond = 30;
	trailer.setLoadingText("Loading $PROGRESS$...");
	return trailer;
}

} // end anonymous namespace

TEST(PublishedTrailer, BytesRoundTripAtTheDocumentedOffsets)
{
	SPublishedTrailer trailer = validTrailer();
	trailer.driverType = 2;
	trailer.flags = 0x51;
	trailer.loadingBackground = 0xFF102030;
	u8 bytes[SPublishedTrailer::BYTE_SIZE];
	trailer.toBytes(bytes);
	EXPECT_EQ(bytes[0], 0x76);
	EXPECT_EQ(bytes[3], 0x12);
	EXPECT_EQ(bytes[16], 0x00); // 1024 little-endian
	EXPECT_EQ(bytes[17], 0x04);
	EXPECT_EQ(bytes[29], 2);
	EXPECT_EQ(bytes[36], 0x30);
	EXPECT_EQ(bytes[40], 'L');
	EXPECT_EQ(bytes[295], 0x51);
	EXPECT_EQ(bytes[299], 30);
	SPublishedTrailer back;
	back.fromBytes(bytes);
	EXPECT_TRUE(back.isValid());
	EXPECT_EQ(back.windowWidth, 1024);
	EXPECT_EQ(back.windowHeight, 700);
	EXPECT_EQ(back.flags, 0x51u);
	EXPECT_EQ(back.maxFramesPerSecond, 30);
	EXPECT_STREQ(back.getLoadingText().c_str(), "Loading $PROGRESS$...");
}

TEST(PublishedTrailer, AnyWrongMagicBitGivesTheDefaultsAndNoDocument)
{
	const std::vector<u8> player = { 'E', 'L', 'F' };
	const std::vector<u8> document = { 1, 2, 3, 4, 5 };
	for (int bit = 0; bit < 32; ++bit)
	{
		SPublishedTrailer trailer = validTrailer();
		trailer.magic ^= (1u << bit);
		io::IReadFile* exe = hxtest::createReadFileFromBytes(executableWith(player, document, trailer), "exe");
		SPublishedTrailer read;
		readPublishedTrailer(exe, read);
		EXPECT_FALSE(read.isValid()) << bit;
		EXPECT_EQ(read.windowWidth, 800) << bit;
		EXPECT_EQ(read.windowHeight, 600) << bit;
		EXPECT_EQ(read.maxFramesPerSecond, 60) << bit;
		EXPECT_EQ(read.zBufferBits, 16);
		EXPECT_EQ(read.driverType, 5);
		EXPECT_EQ(read.reserved35, 0xFF);
		EXPECT_EQ(openDocumentFile(exe, read), nullptr) << bit;
		exe->drop();
	}
}

TEST(PublishedTrailer, ValidTrailerOpensTheDocumentAsArchive)
{
	const std::vector<u8> document = { 10, 20, 30, 40, 50 };
	io::IReadFile* exe = hxtest::createReadFileFromBytes(executableWith({ 'E', 'L', 'F' }, document, validTrailer()), "exe");
	SPublishedTrailer read;
	readPublishedTrailer(exe, read);
	ASSERT_TRUE(read.isValid());
	io::IReadFile* archive = openDocumentFile(exe, read);
	ASSERT_NE(archive, nullptr);
	EXPECT_STREQ(archive->getFileName().c_str(), "archive");
	EXPECT_EQ(archive->getSize(), 5);
	u8 got[5];
	EXPECT_EQ(archive->read(got, 5), 5);
	EXPECT_EQ(std::vector<u8>(got, got + 5), document);
	archive->drop();
	exe->drop();
}

TEST(PublishedTrailer, RangesOutsideTheFileOpenNothing)
{
	struct Case { s32 offset; s32 size; u32 imageSize; bool document; bool image; };
	const Case cases[] = {
		{ 3, 5, 0, true, false },
		{ -1, 5, 0, false, false },
		{ 3, -5, 0, false, false },
		{ 3, 6, 0, false, false },          // runs into the trailer
		{ 0x7FFFFFF0, 0x7FFFFFF0, 0, false, false },
		{ 3, 2, 3, true, true },            // image fills the rest before the trailer
		{ 3, 2, 4, true, false },
	};
	for (const Case& c : cases)
	{
		SPublishedTrailer trailer = validTrailer();
		trailer.documentOffset = c.offset;
		trailer.documentSize = c.size;
		trailer.loadingImageSize = c.imageSize;
		io::IReadFile* exe = hxtest::createReadFileFromBytes(executableWith({ 'E', 'L', 'F' }, { 1, 2, 3, 4, 5 }, trailer), "exe");
		io::IReadFile* archive = openDocumentFile(exe, trailer);
		io::IReadFile* image = openLoadingImageFile(exe, trailer);
		EXPECT_EQ(archive != nullptr, c.document) << c.offset << " " << c.size;
		EXPECT_EQ(image != nullptr, c.image) << c.offset << " " << c.size << " " << c.imageSize;
		if (image)
			EXPECT_STREQ(image->getFileName().c_str(), "logo");
		if (archive)
			archive->drop();
		if (image)
			image->drop();
		exe->drop();
	}
}

TEST(PublishedTrailer, MissingExecutableKeepsDefaults)
{
	SPublishedTrailer trailer;
	EXPECT_EQ(readPublishedTrailer("/nonexistent/helixpane", trailer), nullptr);
	EXPECT_FALSE(trailer.isValid());
	EXPECT_EQ(trailer.windowWidth, 800);
	io::IReadFile* tiny = hxtest::createReadFileFromBytes({ 1, 2, 3 }, "exe");
	readPublishedTrailer(tiny, trailer);
	EXPECT_FALSE(trailer.isValid());
	tiny->drop();
}

TEST(DocumentHeader, MagicAcceptsUpperCaseFourthLetterOnly)
{
	struct Case { const char* magic; bool accepted; };
	const Case cases[] = { { "vesk", true }, { "vesK", true }, { "Vesk", false }, { "vEsk", false }, { "xxxx", false } };
	for (const Case& c : cases)
	{
		std::vector<u8> bytes(c.magic, c.magic + 4);
		const char version[] = "0650";
		bytes.insert(bytes.end(), version, version + 4);
		bytes.insert(bytes.end(), 4, 0);
		CVeskDeserializer* reader = readerOver(bytes);
		u32 v = 77;
		EXPECT_EQ(reader->readHeader(v), c.accepted) << c.magic;
		EXPECT_EQ(v, c.accepted ? makeVeskVersion("0650") : 77u) << c.magic;
		EXPECT_EQ(reader->getPosition(), 12);
		reader->drop();
	}
}

TEST(DocumentVersion, Comparisons)
{
	struct Case { const char* version; bool tooNew; bool olderThan600; bool atLeast650; };
	const Case cases[] = {
		{ "0650", false, false, true },
		{ "0651", true, false, true },
		{ "0649", false, false, false },
		{ "0700", true, false, true },
		{ "0550", false, true, false },
		{ "0599", false, true, false },
		{ "0600", false, false, false },
		{ "1000", true, true, false },
		{ "0560", false, true, false },
	};
	for (const Case& c : cases)
	{
		const u32 v = makeVeskVersion(c.version);
		EXPECT_EQ(isVeskVersionTooNew(v), c.tooNew) << c.version;
		EXPECT_EQ(isVeskVersionOlderThan(v, 600), c.olderThan600) << c.version;
		EXPECT_EQ(isVeskVersionAtLeast(v, 650), c.atLeast650) << c.version;
	}
}

TEST(Primitives, EveryPrimitiveRoundTrips)
{
	const std::vector<u8> bytes = written([](CVeskSerializer* w) {
		w->writeInt(-7);
		w->writeFloat(2.5f);
		w->writeBool(true);
		w->writeChar(-3);
		w->writeShort(-2);
		w->writeColor(video::SColor(0x80112233));
		w->writeColorf(video::SColorf(0.1f, 0.2f, 0.3f, 0.4f));
		w->writeVector(core::vector3df(1, 2, 3));
		w->writeDimension(core::dimension2di(640, -480));
		w->writeQuaternion(core::quaternion(0.1f, 0.2f, 0.3f, 0.9f));
		w->writeBox(core::aabbox3df(-1, -2, -3, 4, 5, 6));
		w->writeString("hello");
		w->writeString("");
		w->writeFileName("#helixpane");
	});
	// 4+4+1+1+2+4+16+12+8+16+24+9+4+14
	EXPECT_EQ(bytes.size(), 119u);
	CVeskDeserializer* r = readerOver(bytes);
	EXPECT_EQ(r->readInt(), -7);
	EXPECT_EQ(r->readFloat(), 2.5f);
	EXPECT_TRUE(r->readBool());
	EXPECT_EQ(r->readChar(), -3);
	EXPECT_EQ(r->readShort(), -2);
	EXPECT_EQ(r->readColor().color, 0x80112233u);
	const video::SColorf cf = r->readColorf();
	EXPECT_FLOAT_EQ(cf.r, 0.1f);
	EXPECT_FLOAT_EQ(cf.a, 0.4f);
	EXPECT_EQ(r->readVector(), core::vector3df(1, 2, 3));
	EXPECT_EQ(r->readDimension(), core::dimension2di(640, -480));
	const core::quaternion q = r->readQuaternion();
	EXPECT_FLOAT_EQ(q.W, 0.9f);
	EXPECT_FLOAT_EQ(q.X, 0.1f);
	EXPECT_EQ(r->readBox(), core::aabbox3df(-1, -2, -3, 4, 5, 6));
	core::stringc s;
	r->readString(s);
	EXPECT_STREQ(s.c_str(), "hello");
	const long before = r->getPosition();
	r->readString(s);
	EXPECT_STREQ(s.c_str(), "");
	EXPECT_EQ(r->getPosition() - before, 4);
	EXPECT_STREQ(r->readFileName().c_str(), "#helixpane");
	EXPECT_TRUE(r->isAtEnd());
	r->drop();
}

TEST(Primitives, QuaternionIsStoredWFirst)
{
	const std::vector<u8> bytes = written([](CVeskSerializer* w) { w->writeQuaternion(core::quaternion(0, 0, 0, 1)); });
	CVeskDeserializer* r = readerOver(bytes);
	EXPECT_EQ(r->readFloat(), 1.0f);
	r->drop();
}

TEST(Primitives, ReadsPastTheEndGiveZeroAndStop)
{
	CVeskDeserializer* r = readerOver({ 5, 0 });
	EXPECT_EQ(r->readInt(), 5);
	EXPECT_TRUE(r->isAtEnd());
	EXPECT_EQ(r->readFloat(), 0.0f);
	core::stringc s("kept");
	r->readString(s);
	EXPECT_STREQ(s.c_str(), "");
	r->drop();
}

TEST(Primitives, StringLongerThanTheFileReadsOnlyWhatIsThere)
{
	const std::vector<u8> bytes = { 0xFF, 0xFF, 0xFF, 0x05, 'a', 'b' }; // length 0x05FFFFFF < 100 MiB
	CVeskDeserializer* r = readerOver(bytes);
	core::stringc s;
	r->readString(s);
	EXPECT_STREQ(s.c_str(), "ab");
	EXPECT_TRUE(r->isAtEnd());
	r->drop();
}

TEST(Primitives, OverlongStringLeavesTargetAndIsSteppedOver)
{
	std::vector<u8> bytes = { 0x01, 0x00, 0x40, 0x06 }; // 0x06400001 > 104857600
	bytes.insert(bytes.end(), 10, 'z');
	CVeskDeserializer* r = readerOver(bytes);
	core::stringc s("kept");
	r->readString(s);
	EXPECT_STREQ(s.c_str(), "kept");
	EXPECT_TRUE(r->isAtEnd());
	r->drop();
}

TEST(FileNames, Resolution)
{
	struct Case { const char* stored; const char* readerName; const char* expected; };
	const Case cases[] = {
		{ "", "docs/game.doc", "" },
		{ "#helixpane", "docs/game.doc", "#helixpane" },
		{ "c:\\textures\\a.png", "docs/game.doc", "c:\\textures\\a.png" },
		{ "/abs/a.png", "docs/game.doc", "/abs/a.png" },
		{ "tex/b.png", "docs/game.doc", "docs/tex/b.png" },
		{ "tex/b.png", "archive", "tex/b.png" },
		{ "a", "docs/game.doc", "docs/a" },
		{ "#", "docs/game.doc", "docs/#" },
		{ "/", "docs/game.doc", "docs//" },
		{ "/a", "docs/game.doc", "docs//a" },     // two characters: not absolute
		{ "tex/b.png", "c:\\docs\\game.doc", "c:/docs/tex/b.png" },
	};
	for (const Case& c : cases)
	{
		const std::vector<u8> bytes = written([&](CVeskSerializer* w) { w->writeFileName(c.stored); });
		CVeskDeserializer* r = readerOver(bytes, c.readerName);
		EXPECT_STREQ(r->readFileName().c_str(), c.expected) << c.stored << " via " << c.readerName;
		r->drop();
	}
}

TEST(Chunks, NestedChunksHaveExactSizesAndUnknownOnesAreSkipped)
{
	const std::vector<u8> bytes = written([](CVeskSerializer* w) {
		w->beginChunk(1);
		w->writeInt(11);
		w->beginChunk(999); // unknown
		w->writeString("ignored payload");
		w->beginChunk(5);
		w->writeFloat(1.0f);
		w->endChunk();
		w->endChunk();
		w->beginChunk(2);
		w->writeInt(22);
		w->endChunk();
		w->endChunk();
		w->beginChunk(3);
		w->endChunk();
	});
	CVeskDeserializer* r = readerOver(bytes);
	ASSERT_EQ(r->readChunkHeader(), 1);
	const long end = r->getChunkEnd();
	EXPECT_EQ(end, long(bytes.size()) - 6);
	EXPECT_EQ(r->readInt(), 11);
	std::vector<u16> handled;
	while (!r->isAtEnd() && r->getPosition() < end)
	{
		const u16 tag = r->readChunkHeader();
		if (tag == 2)
		{
			EXPECT_EQ(r->readInt(), 22);
			handled.push_back(tag);
		}
		else
			r->skipChunk();
	}
	EXPECT_EQ(handled, std::vector<u16>({ 2 }));
	EXPECT_EQ(r->getPosition(), end);
	EXPECT_EQ(r->readChunkHeader(), 3);
	EXPECT_EQ(r->getChunkSize(), 0u);
	EXPECT_TRUE(r->isAtEnd());
	r->drop();
}

TEST(Chunks, SizePastTheFileIsClampedAndStepBackMovesTenBytes)
{
	CVeskDeserializer* r = readerOver({ 7, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6 });
	EXPECT_EQ(r->readChunkHeader(), 7);
	EXPECT_EQ(r->getChunkSize(), 0xFFFFFFFFu);
	EXPECT_EQ(r->getChunkEnd(), 12);
	r->skipChunk();
	EXPECT_TRUE(r->isAtEnd());
	r->stepBack();
	EXPECT_EQ(r->getPosition(), 2);
	r->stepBack();
	EXPECT_EQ(r->getPosition(), 0);
	r->drop();
}
