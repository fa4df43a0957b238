#include "CDocumentWalker.h"

#include "document/CVeskDeserializer.h"
#include "document/SPublishingSettings.h"
#include "document/veskTypeCodes.h"
#include "document/veskVersion.h"

#include <vector>

using namespace irr;
using nlohmann::ordered_json;

namespace
{

//! As deep as the player reads node records; deeper ones are listed as skipped.
const int MAX_NODE_DEPTH = 64;

std::string versionText(u32 version)
{
	std::string text;
	for (int i = 0; i < 4; ++i)
	{
		const char c = char(veskVersionChar(version, i));
		text += (c >= 32 && c < 127) ? c : '?';
	}
	return text;
}

ordered_json vectorJson(const core::vector3df& v)
{
	return ordered_json::array({ v.X, v.Y, v.Z });
}

std::string hexColour(u32 colour)
{
	char text[11];
	snprintf(text, sizeof(text), "0x%08X", colour);
	return text;
}

std::string kindText(u32 flags)
{
	static const char* const names[4] = { "texture", "sound", "skinned mesh", "script" };
	std::string text;
	for (int i = 0; i < 4; ++i)
		if (flags & (1u << i))
			text += (text.empty() ? "" : "+") + std::string(names[i]);
	return text.empty() ? "unknown" : text;
}

} // end anonymous namespace

CDocumentWalker::CDocumentWalker(io::IReadFile* document)
	: Reader(new CVeskDeserializer(document, 0)), Report(0)
{
}

CDocumentWalker::~CDocumentWalker()
{
	Reader->drop();
}

bool CDocumentWalker::fault(long offset, const std::string& expected)
{
	if (!Report->contains("fault"))
		(*Report)["fault"] = { { "offset", offset }, { "expected", expected } };
	return false;
}

bool CDocumentWalker::need(long n, long end, const char* what)
{
	const long position = Reader->getPosition();
	if (end - position >= n)
		return true;
	return fault(position, std::string(what) + " (" + std::to_string(n) + " bytes, but only "
		+ std::to_string(end > position ? end - position : 0) + " remain before offset " + std::to_string(end) + ")");
}

bool CDocumentWalker::openChunk(long enclosingEnd, const char* context, u16& tag, long& end)
{
	const long start = Reader->getPosition();
	if (!need(6, enclosingEnd, (std::string("a chunk header inside ") + context).c_str()))
		return false;
	tag = Reader->readChunkHeader();
	const u32 size = Reader->getChunkSize();
	end = Reader->getPosition() + long(size);
	if (size > u32(enclosingEnd - Reader->getPosition()))
	{
		// Reported, and the contents are still shown as far as they go.
		fault(start, "chunk " + std::to_string(tag) + " of " + std::to_string(size) + " bytes to end by offset "
			+ std::to_string(enclosingEnd) + ", the end of " + context);
		end = enclosingEnd;
	}
	return true;
}

bool CDocumentWalker::readString(long end, const char* what, std::string& out)
{
	if (!need(4, end, what))
		return false;
	const long start = Reader->getPosition();
	const u32 length = Reader->readUInt();
	if (length > u32(end - Reader->getPosition()))
		return fault(start, std::string(what) + " of " + std::to_string(length) + " bytes to end by offset " + std::to_string(end));
	std::vector<char> text(length);
	Reader->readBytes(text.data(), length);
	out.assign(text.begin(), text.end());
	return true;
}

bool CDocumentWalker::walk(ordered_json& report)
{
	Report = &report;
	Reader->rewind();
	const long fileEnd = Reader->getFileSize();
	if (!need(12, fileEnd, "the 12-byte document header"))
		return false;
	u32 version = 0;
	if (!Reader->readHeader(version))
		return fault(0, "the magic \"vesk\"");
	report["header"] = { { "magic", "vesk" }, { "version", versionText(version) } };
	if (isVeskVersionTooNew(version))
		return fault(4, "a version not newer than 0650");

	u16 tag = 0;
	long end = 0;
	const long first = Reader->getPosition();
	if (!openChunk(fileEnd, "the document", tag, end))
		return false;
	if (tag != 1)
		return fault(first, "the document chunk (tag 1)");
	if (!walkDocumentChunk(end, report))
		return false;
	Reader->seekTo(end);

	bool embeddedReadable = true;
	while (Reader->getPosition() < fileEnd)
	{
		if (!openChunk(fileEnd, "the document", tag, end))
			return false;
		if (tag == 12)
		{
			if (!embeddedReadable)
				report["notes"].push_back("embedded files that do not follow the document chunk directly are not read");
			if (!walkEmbeddedFiles(end, report["embeddedFiles"]))
				return false;
		}
		else if (tag != 23)
			report["unknownChunks"].push_back(tag);
		embeddedReadable = false;
		Reader->seekTo(end);
	}
	return !report.contains("fault");
}

bool CDocumentWalker::walkDocumentChunk(long end, ordered_json& report)
{
	report["settings"] = ordered_json::object();
	report["scenes"] = ordered_json::array();
	while (Reader->getPosition() < end)
	{
		u16 tag = 0;
		long chunkEnd = 0;
		if (!openChunk(end, "the document chunk", tag, chunkEnd))
			return false;
		switch (tag)
		{
		case 2:
		{
			ordered_json scene;
			const bool ok = walkScene(chunkEnd, scene);
			report["scenes"].push_back(scene);
			if (!ok)
				return false;
			break;
		}
		case 20:
			if (!walkSettings(chunkEnd, report["settings"]))
				return false;
			break;
		case 28:
		{
			std::string text;
			if (!need(4, chunkEnd, "the script record's number"))
				return false;
			Reader->readInt();
			if (!readString(chunkEnd, "the global script", text))
				return false;
			report["scriptLength"] = text.size();
			break;
		}
		case 1004:
			if (!need(4, chunkEnd, "the start scene index"))
				return false;
			report["startScene"] = Reader->readInt();
			break;
		default:
			report["unknownChunks"].push_back(tag);
			break;
		}
		Reader->seekTo(chunkEnd);
	}
	return true;
}

bool CDocumentWalker::walkSettings(long end, ordered_json& out)
{
	const long start = Reader->getPosition();
	SPublishingSettings s;
	s.readSettings(Reader);
	if (Reader->getPosition() > end)
		return fault(start, "publishing settings whose fields end by offset " + std::to_string(end));
	out = {
		{ "kind", s.kind }, { "applicationTitle", s.applicationTitle.c_str() },
		{ "windows", { s.a0, s.a1, s.a2, s.a3, s.a4, s.a5, s.a6, s.b0, s.b1, s.b2, s.b3, s.a7.c_str(), s.a8 } },
		{ "web", { s.c0, s.c1, s.c2, s.c3, s.c4 } },
		{ "mobile", { s.d0, s.d1, s.d2, s.d3, s.d4, s.d5.c_str(), s.d6 } },
		{ "mac", { s.e0, s.e1, s.e2, s.e3, s.e4, s.e5, s.e6, s.f0, s.f1, s.f2, s.f3, s.e7 } },
		{ "loadingFlags", s.loadingFlags }, { "loadingBackground", hexColour(s.loadingBackground.color) },
		{ "loadingText", s.loadingText.c_str() }, { "loadingImage", s.loadingImage.c_str() },
		{ "identity", { s.g0, s.g1, s.g2, s.g3, s.g4 } }, { "applicationId", s.applicationId.c_str() },
		{ "g5", s.g5.c_str() }, { "applicationVersion", s.applicationVersion.c_str() },
		{ "extra", { s.h0, s.h1, s.h2, s.h3, s.h4, s.h5 } },
		{ "showFrameRate", s.showFrameRate() }, { "physics", s.physicsEnabled() }
	};
	return true;
}

bool CDocumentWalker::walkScene(long end, ordered_json& scene)
{
	if (!need(4, end, "the scene type"))
		return false;
	const s32 type = Reader->readInt();
	scene["kind"] = type == 0 ? "3d" : type == 1 ? "panorama" : "skipped type " + std::to_string(type);
	if (type != 0 && type != 1)
		return true;
	scene["name"] = "";
	scene["settings"] = ordered_json::object();
	while (Reader->getPosition() < end)
	{
		u16 tag = 0;
		long chunkEnd = 0;
		if (!openChunk(end, "the scene chunk", tag, chunkEnd))
			return false;
		if (!walkSceneChunk(type, tag, chunkEnd, scene))
			return false;
		Reader->seekTo(chunkEnd);
	}
	return true;
}

bool CDocumentWalker::walkSceneChunk(s32 type, u16 tag, long end, ordered_json& scene)
{
	ordered_json& settings = scene["settings"];
	switch (tag)
	{
	case 26:
	{
		std::string name;
		if (!readString(end, "the scene name", name) || !need(4, end, "the background colour"))
			return false;
		scene["name"] = name;
		settings["backgroundColor"] = hexColour(Reader->readUInt());
		return true;
	}
	case 8:
	{
		scene["nodes"] = ordered_json::array();
		while (Reader->getPosition() < end)
		{
			u16 inner = 0;
			long recordEnd = 0;
			if (!openChunk(end, "the node tree", inner, recordEnd))
				return false;
			if (inner == 9)
			{
				ordered_json node;
				const bool ok = walkNodeRecord(recordEnd, 0, node);
				scene["nodes"].push_back(node);
				if (!ok)
					return false;
			}
			Reader->seekTo(recordEnd);
		}
		return true;
	}
	default:
		break;
	}
	if (type == 1)
	{
		switch (tag)
		{
		case 1002:
			if (!need(8, end, "the panorama pair"))
				return false;
			settings["pair"] = { Reader->readInt(), Reader->readInt() };
			return true;
		case 1005:
			if (!need(9, end, "the panorama triple"))
				return false;
			{
				const s32 c = Reader->readInt();
				const s32 d = Reader->readInt();
				settings["triple"] = { c, d, Reader->readBool() };
			}
			return true;
		case 1006:
		{
			std::string name;
			if (!readString(end, "the preview texture name", name))
				return false;
			settings["previewTexture"] = name;
			return true;
		}
		default:
			scene["unknownChunks"].push_back(tag);
			return true;
		}
	}
	switch (tag)
	{
	case 24:
		if (!need(22, end, "the settings record"))
			return false;
		{
			ordered_json record = ordered_json::array();
			record.push_back(Reader->readInt());
			record.push_back(Reader->readInt());
			record.push_back(Reader->readInt());
			record.push_back(Reader->readFloat());
			record.push_back(Reader->readInt());
			record.push_back(Reader->readBool());
			record.push_back(Reader->readBool());
			settings["record"] = record;
		}
		return true;
	case 1007:
		if (!need(24, end, "the default camera"))
			return false;
		settings["defaultCameraPosition"] = vectorJson(Reader->readVector());
		settings["defaultCameraTarget"] = vectorJson(Reader->readVector());
		return true;
	case 1008:
		if (!need(4, end, "the gravity"))
			return false;
		settings["gravity"] = Reader->readFloat();
		return true;
	case 1009:
		if (!need(9, end, "the fog settings"))
			return false;
		{
			const bool enabled = Reader->readBool();
			const f32 density = Reader->readFloat();
			settings["fog"] = { { "enabled", enabled }, { "density", density }, { "color", hexColour(Reader->readUInt()) } };
		}
		return true;
	case 1010:
		if (!need(9, end, "the wind settings"))
			return false;
		{
			const bool enabled = Reader->readBool();
			const f32 speed = Reader->readFloat();
			settings["wind"] = { { "enabled", enabled }, { "speed", speed }, { "strength", Reader->readFloat() } };
		}
		return true;
	case 1011:
		if (!need(21, end, "the shadow settings"))
			return false;
		{
			ordered_json shadows = { { "enabled", Reader->readBool() } };
			const char* names[5] = { "bias1", "bias2", "backfaceBias", "opacity", "detailFactor" };
			for (const char* name : names)
				shadows[name] = Reader->readFloat();
			settings["shadows"] = shadows;
		}
		return true;
	case 1012:
		if (!need(34, end, "the post-effect settings"))
			return false;
		{
			ordered_json flags = ordered_json::array();
			for (int i = 0; i < 6; ++i)
				flags.push_back(Reader->readBool());
			ordered_json effects = { { "enabled", flags } };
			effects["bloomBlurIterations"] = Reader->readInt();
			effects["bloomTreshold"] = Reader->readFloat();
			effects["blurIterations"] = Reader->readInt();
			effects["colorizeColor"] = hexColour(Reader->readUInt());
			effects["vignetteIntensity"] = Reader->readFloat();
			effects["vignetteRadiusA"] = Reader->readFloat();
			effects["vignetteRadiusB"] = Reader->readFloat();
			settings["postEffects"] = effects;
		}
		return true;
	default:
		scene["unknownChunks"].push_back(tag);
		return true;
	}
}

bool CDocumentWalker::walkNodeRecord(long end, int depth, ordered_json& node)
{
	if (depth > MAX_NODE_DEPTH)
	{
		node["skipped"] = "nested deeper than " + std::to_string(MAX_NODE_DEPTH) + " levels";
		return true;
	}
	if (!need(8, end, "the node type code and id"))
		return false;
	char code[5];
	veskTypeCodeToText(Reader->readUInt(), code);
	node["type"] = code;
	node["id"] = Reader->readInt();
	std::string name;
	if (!readString(end, "the node name", name))
		return false;
	node["name"] = name;
	if (!need(41, end, "the node's position, rotation, scale, visibility and culling"))
		return false;
	node["position"] = vectorJson(Reader->readVector());
	node["rotation"] = vectorJson(Reader->readVector());
	node["scale"] = vectorJson(Reader->readVector());
	node["visible"] = Reader->readBool();
	node["culling"] = Reader->readUInt();
	node["materials"] = 0;
	node["behaviours"] = ordered_json::array();
	node["children"] = ordered_json::array();
	while (Reader->getPosition() < end)
	{
		u16 tag = 0;
		long chunkEnd = 0;
		if (!openChunk(end, "the node record", tag, chunkEnd))
			return false;
		switch (tag)
		{
		case 9:
		{
			ordered_json child;
			const bool ok = walkNodeRecord(chunkEnd, depth + 1, child);
			node["children"].push_back(child);
			if (!ok)
				return false;
			break;
		}
		case 10:
			node["payloadSize"] = chunkEnd - Reader->getPosition();
			if (std::string(code) == "unkn" && chunkEnd - Reader->getPosition() >= 16)
			{
				const video::SColorf ambient = Reader->readColorf();
				node["ambientLight"] = { ambient.r, ambient.g, ambient.b, ambient.a };
			}
			break;
		case 11:
			node["materials"] = node["materials"].get<int>() + 1;
			break;
		case 25:
			if (!need(4, chunkEnd, "the behaviour type"))
				return false;
			node["behaviours"].push_back(Reader->readInt());
			break;
		case 31:
			if (!walkMetaData(chunkEnd, node["metadata"]))
				return false;
			break;
		default:
			node["unknownChunks"].push_back(tag);
			break;
		}
		Reader->seekTo(chunkEnd);
	}
	return true;
}

bool CDocumentWalker::walkMetaData(long end, ordered_json& entryTypes)
{
	// A second metadata chunk of a record is shown too, though the player ignores it.
	if (!entryTypes.is_array())
		entryTypes = ordered_json::array();
	while (Reader->getPosition() < end)
	{
		u16 tag = 0;
		long chunkEnd = 0;
		if (!openChunk(end, "the metadata", tag, chunkEnd))
			return false;
		if (tag == 32)
		{
			if (!need(4, chunkEnd, "the metadata entry's type"))
				return false;
			entryTypes.push_back(Reader->readInt());
		}
		Reader->seekTo(chunkEnd);
	}
	return true;
}

bool CDocumentWalker::walkEmbeddedFiles(long end, ordered_json& files)
{
	if (!files.is_array())
		files = ordered_json::array();
	while (Reader->getPosition() < end)
	{
		u16 tag = 0;
		long chunkEnd = 0;
		if (!openChunk(end, "the embedded files", tag, chunkEnd))
			return false;
		if (tag == 13)
		{
			if (!need(4, chunkEnd, "the embedded file's kind"))
				return false;
			const u32 flags = Reader->readUInt();
			std::string name;
			if (!readString(chunkEnd, "the embedded file's name", name) || !need(4, chunkEnd, "the embedded file's size"))
				return false;
			const long sizeAt = Reader->getPosition();
			const u32 size = Reader->readUInt();
			files.push_back({ { "kind", kindText(flags) }, { "flags", flags }, { "name", name }, { "size", size } });
			if (size > u32(chunkEnd - Reader->getPosition()))
				return fault(sizeAt, "an embedded file of " + std::to_string(size) + " bytes to end by offset " + std::to_string(chunkEnd));
		}
		Reader->seekTo(chunkEnd);
	}
	return true;
}
