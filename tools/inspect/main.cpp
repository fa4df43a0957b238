// helixpane-inspect FILE [--json]: shows what a document, or the document inside a published
// executable, holds, and where it is damaged.
#include "CDocumentWalker.h"
#include "textReport.h"

#include "document/SPublishedTrailer.h"
#include "document/publishedExecutable.h"

#include <CLI/CLI.hpp>
#include <irrlicht.h>

#include <iostream>

using namespace irr;
using nlohmann::ordered_json;

namespace
{

ordered_json trailerJson(const SPublishedTrailer& t)
{
	return {
		{ "documentOffset", t.documentOffset }, { "documentSize", t.documentSize },
		{ "loadingImageSize", t.loadingImageSize }, { "window", { t.windowWidth, t.windowHeight } },
		{ "fullscreen", t.fullscreen != 0 }, { "driverType", int(t.driverType) }, { "stencilBuffer", t.stencilBuffer != 0 },
		{ "vsync", t.vsync != 0 }, { "zBufferBits", int(t.zBufferBits) }, { "colorBits", int(t.colorBits) },
		{ "antiAlias", t.antiAlias != 0 }, { "loadingBackground", t.loadingBackground },
		{ "loadingText", t.getLoadingText().c_str() }, { "flags", t.flags }, { "maxFramesPerSecond", t.maxFramesPerSecond }
	};
}

} // end anonymous namespace

int main(int argc, char** argv)
{
	CLI::App app{ "Shows the records of a Helixpane document or published executable." };
	std::string path;
	bool json = false;
	app.add_option("FILE", path, "a document or a published executable")->required();
	app.add_flag("--json", json, "print the report as JSON");
	CLI11_PARSE(app, argc, argv);

	ordered_json report;
	report["file"] = path;
	io::IReadFile* file = io::createReadFile(path.c_str());
	if (!file)
	{
		std::cerr << "cannot open " << path << "\n";
		return 2;
	}
	SPublishedTrailer trailer;
	readPublishedTrailer(file, trailer);
	io::IReadFile* document = file;
	bool ok = true;
	if (trailer.isValid())
	{
		report["trailer"] = trailerJson(trailer);
		document = openDocumentFile(file, trailer);
		if (!document)
		{
			report["fault"] = { { "offset", long(file->getSize()) - long(SPublishedTrailer::BYTE_SIZE) },
				{ "expected", "a trailer whose document range lies inside the file" } };
			ok = false;
		}
	}
	else
		document->grab();
	if (document)
	{
		CDocumentWalker walker(document);
		ok = walker.walk(report);
		if (!ok && trailer.isValid())
			report["fault"]["fileOffset"] = report["fault"]["offset"].get<long>() + trailer.documentOffset;
		document->drop();
	}
	file->drop();

	// The JSON library reports misuse by exceptions; a report must still end in a status.
	try
	{
		if (json)
			std::cout << report.dump(2, ' ', false, ordered_json::error_handler_t::replace) << "\n";
		else
			printTextReport(report, std::cout);
	}
	catch (const std::exception& error)
	{
		std::cout << "\ninspector error: " << error.what() << "\n";
		return 3;
	}
	return ok ? 0 : 1;
}
