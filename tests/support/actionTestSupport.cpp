#include "tests/support/actionTestSupport.h"

#include "actions/CHXActionHandler.h"
#include "actions/IHXAction.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"
#include "tests/support/testSupport.h"
#include "tests/support/veskTestDocuments.h"

using namespace irr;

namespace hxtest
{

std::vector<u8> actionListBytes(const std::function<void(CVeskSerializer*)>& fill)
{
	return writtenBytes([&](CVeskSerializer* writer) {
		writer->beginChunk(CHXActionHandler::TAG_ACTION_LIST);
		fill(writer);
		writer->endChunk();
	});
}

void writeActionChunk(CVeskSerializer* writer, s32 type, const std::function<void(CVeskSerializer*)>& payload)
{
	writer->beginChunk(CHXActionHandler::TAG_ACTION);
	writer->writeInt(type);
	payload(writer);
	writer->endChunk();
}

CHXActionHandler* readActionList(IrrlichtDevice* device, const std::vector<u8>& bytes, long* readEnd)
{
	io::IReadFile* file = createReadFileFromBytes(bytes);
	CVeskDeserializer* reader = new CVeskDeserializer(file, device);
	CHXActionHandler* list = new CHXActionHandler(0);
	list->readBinary(reader);
	if (readEnd)
		*readEnd = reader->getPosition();
	reader->drop();
	file->drop();
	return list;
}

std::vector<u8> writtenActionList(CHXActionHandler* list)
{
	return writtenBytes([list](CVeskSerializer* writer) { list->writeBinary(writer); });
}

CHXActionHandler* listOf(IHXAction* action)
{
	CHXActionHandler* list = new CHXActionHandler(0);
	list->addAction(action);
	return list;
}

} // end namespace hxtest
