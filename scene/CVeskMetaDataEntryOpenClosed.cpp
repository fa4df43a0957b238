#include "scene/CVeskMetaDataEntryOpenClosed.h"
#include "document/CVeskDeserializer.h"
#include "document/CVeskSerializer.h"

using namespace irr;

void CVeskMetaDataEntryOpenClosed::writeBinary(CVeskSerializer* writer)
{
	writer->writeInt(0);
	writer->writeInt(Value ? 1 : 0);
}

void CVeskMetaDataEntryOpenClosed::readBinary(CVeskDeserializer* reader)
{
	reader->readInt();
	Value = reader->readInt() != 0;
}

IVeskMetaDataEntry* CVeskMetaDataEntryOpenClosed::clone() const
{
	CVeskMetaDataEntryOpenClosed* copy = new CVeskMetaDataEntryOpenClosed();
	copy->Value = Value;
	return copy;
}
