#include "document/SPublishingSettings.h"

#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "document/veskVersion.h"

#include <ITexture.h>

#include <random>

using namespace irr;

namespace
{

enum
{
	TAG_WINDOWS = 21,
	TAG_WEB = 22,
	TAG_MOBILE = 35,
	TAG_MAC = 36,
	TAG_LOADING = 37,
	TAG_IDENTITY = 38,
	TAG_EXTRA = 39
};

//! Our own reverse-domain prefix; a number below 90000 follows.
const char* const APPLICATION_ID_PREFIX = "com.helixpane.app";

core::stringc drawApplicationId()
{
	static std::mt19937 generator{ std::random_device{}() };
	std::uniform_int_distribution<int> number(0, 89999);
	core::stringc id(APPLICATION_ID_PREFIX);
	id += number(generator);
	return id;
}

} // end anonymous namespace

SPublishingSettings::SPublishingSettings()
	: kind(3),
	  a0(800), a1(600), a2(4), a3(32), a4(0), a5(16), a6(48), b0(false), b1(false), b2(false), b3(false), a8(60),
	  c0(800), c1(600), c2(40), c3(2), c4(128),
	  d0(800), d1(600), d2(40), d3(2), d4(12), d6(0),
	  e0(800), e1(600), e2(5), e3(32), e4(0), e5(16), e6(0), f0(false), f1(false), f2(false), f3(false), e7(60),
	  loadingFlags(LOADING_HAS_TEXT), loadingReserved(0), loadingBackground(0xFF000000),
	  loadingText("Loading $PROGRESS$..."), loadingImage("#helixpane"),
	  g0(0), g1(2), g2(0), g3(1), g4(0), applicationId(drawApplicationId()), applicationVersion("1.0"),
	  h0(0), h1(1.0f), h2(0), h3(0), h4(0), h5(0)
{
}

void SPublishingSettings::readSettings(CVeskDeserializer* reader)
{
	const long end = reader->getChunkEnd();
	const bool atLeast650 = isVeskVersionAtLeast(reader->getVersion(), 650);
	kind = reader->readInt();
	reader->readString(applicationTitle);
	while (!reader->isAtEnd() && reader->getPosition() < end)
	{
		const u16 tag = reader->readChunkHeader();
		const long chunkEnd = reader->getChunkEnd();
		switch (tag)
		{
		case TAG_WINDOWS:
			a0 = reader->readInt(); a1 = reader->readInt(); a2 = reader->readInt(); a3 = reader->readInt();
			a4 = reader->readInt(); a5 = reader->readInt(); a6 = reader->readInt();
			b0 = reader->readBool(); b1 = reader->readBool(); b2 = reader->readBool(); b3 = reader->readBool();
			if (a6 & A_HAS_TEXT)
				reader->readString(a7);
			if (atLeast650)
				a8 = reader->readInt();
			break;
		case TAG_WEB:
			c0 = reader->readInt(); c1 = reader->readInt(); c2 = reader->readInt(); c3 = reader->readInt();
			c4 = reader->readInt();
			if (c4 & 7)
			{
				video::ITexture* texture = reader->readTexture();
				if (texture)
					c5 = texture->getName().getPath().c_str();
			}
			break;
		case TAG_MOBILE:
			d0 = reader->readInt(); d1 = reader->readInt(); d2 = reader->readInt(); d3 = reader->readInt();
			d4 = reader->readInt();
			reader->readString(d5);
			d6 = reader->readInt();
			break;
		case TAG_MAC:
			e0 = reader->readInt(); e1 = reader->readInt(); e2 = reader->readInt(); e3 = reader->readInt();
			e4 = reader->readInt(); e5 = reader->readInt(); e6 = reader->readInt();
			f0 = reader->readBool(); f1 = reader->readBool(); f2 = reader->readBool(); f3 = reader->readBool();
			if (atLeast650)
				e7 = reader->readInt();
			break;
		case TAG_LOADING:
			loadingFlags = reader->readInt();
			loadingReserved = reader->readInt();
			if (loadingFlags & LOADING_HAS_TEXT)
			{
				loadingBackground = reader->readColor();
				reader->readString(loadingText);
			}
			if (loadingFlags & LOADING_HAS_IMAGE)
				loadingImage = reader->readFileName();
			break;
		case TAG_IDENTITY:
			g0 = reader->readInt(); g1 = reader->readInt(); g2 = reader->readInt(); g3 = reader->readInt();
			g4 = reader->readInt();
			reader->readString(applicationId);
			reader->readString(g5);
			reader->readString(applicationVersion);
			break;
		case TAG_EXTRA:
			h0 = reader->readInt();
			h1 = reader->readFloat();
			h2 = reader->readInt(); h3 = reader->readInt(); h4 = reader->readInt(); h5 = reader->readInt();
			break;
		default:
			break;
		}
		reader->seekTo(chunkEnd);
	}
}

void SPublishingSettings::writeSettings(CVeskSerializer* writer) const
{
	writer->writeInt(kind);
	writer->writeString(applicationTitle);

	writer->beginChunk(TAG_WINDOWS);
	writer->writeInt(a0); writer->writeInt(a1); writer->writeInt(a2); writer->writeInt(a3);
	writer->writeInt(a4); writer->writeInt(a5); writer->writeInt(a6);
	writer->writeBool(b0); writer->writeBool(b1); writer->writeBool(b2); writer->writeBool(b3);
	if (a6 & A_HAS_TEXT)
		writer->writeString(a7);
	writer->writeInt(a8);
	writer->endChunk();

	writer->beginChunk(TAG_WEB);
	writer->writeInt(c0); writer->writeInt(c1); writer->writeInt(c2); writer->writeInt(c3);
	writer->writeInt(c4);
	if (c4 & 7)
		writer->writeFileName(c5);
	writer->endChunk();

	writer->beginChunk(TAG_MOBILE);
	writer->writeInt(d0); writer->writeInt(d1); writer->writeInt(d2); writer->writeInt(d3);
	writer->writeInt(d4);
	writer->writeString(d5);
	writer->writeInt(d6);
	writer->endChunk();

	writer->beginChunk(TAG_MAC);
	writer->writeInt(e0); writer->writeInt(e1); writer->writeInt(e2); writer->writeInt(e3);
	writer->writeInt(e4); writer->writeInt(e5); writer->writeInt(e6);
	writer->writeBool(f0); writer->writeBool(f1); writer->writeBool(f2); writer->writeBool(f3);
	writer->writeInt(e7);
	writer->endChunk();

	writer->beginChunk(TAG_LOADING);
	writer->writeInt(loadingFlags);
	writer->writeInt(loadingReserved);
	if (loadingFlags & LOADING_HAS_TEXT)
	{
		writer->writeColor(loadingBackground);
		writer->writeString(loadingText);
	}
	if (loadingFlags & LOADING_HAS_IMAGE)
		writer->writeFileName(loadingImage);
	writer->endChunk();

	writer->beginChunk(TAG_IDENTITY);
	writer->writeInt(g0); writer->writeInt(g1); writer->writeInt(g2); writer->writeInt(g3);
	writer->writeInt(g4);
	writer->writeString(applicationId);
	writer->writeString(g5);
	writer->writeString(applicationVersion);
	writer->endChunk();

	writer->beginChunk(TAG_EXTRA);
	writer->writeInt(h0);
	writer->writeFloat(h1);
	writer->writeInt(h2); writer->writeInt(h3); writer->writeInt(h4); writer->writeInt(h5);
	writer->endChunk();
}
