// Feeds arbitrary bytes to the inspector's walk over a document's structure.
#include "tools/inspect/CDocumentWalker.h"

#include <irrlicht.h>
#include <nlohmann/json.hpp>

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size)
{
	unsigned char* copy = new unsigned char[size ? size : 1];
	if (size)
		memcpy(copy, data, size);
	irr::io::IReadFile* document = irr::io::createMemoryReadFile(copy, long(size), "archive", true);
	nlohmann::ordered_json report;
	{
		CDocumentWalker walker(document);
		walker.walk(report);
	}
	report.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
	document->drop();
	return 0;
}
