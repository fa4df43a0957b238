// Writes small documents into a folder, as the seed corpus of the document fuzzer:
//   helixpane-make-fuzz-seeds FOLDER
#include "document/CVeskDocument.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

#include <cstdio>

using namespace irr;

int main(int argc, char** argv)
{
	if (argc != 2)
	{
		fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
		return 2;
	}
	const std::string folder = argv[1];
	IrrlichtDevice* device = hxtest::createNullDevice();
	if (!device)
		return 1;
	CVeskDocument* document = hxtest::createSampleDocument(device);
	const std::vector<u8> whole = hxtest::documentFileBytes(document);
	document->drop();
	bool ok = hxtest::writeWholeFile(folder + "/sample.vesk", whole);
	// Shorter seeds reach the later records with fewer mutations.
	const size_t cuts[] = { 12, 64, 512, 2048 };
	for (size_t cut : cuts)
		if (cut < whole.size())
			ok = hxtest::writeWholeFile(folder + "/sample-" + std::to_string(cut) + ".vesk",
				std::vector<u8>(whole.begin(), whole.begin() + cut)) && ok;
	device->drop();
	return ok ? 0 : 1;
}
