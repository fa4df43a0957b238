#ifndef HX_I_VESK_SERIALIZATION_SUPPORT_H
#define HX_I_VESK_SERIALIZATION_SUPPORT_H

class CVeskSerializer;
class CVeskDeserializer;

//! Implemented, as an additional base, by every class that has a document payload:
//! node classes, behaviours, actions and the action list. Each reads exactly what it writes.
class IVeskSerializationSupport
{
public:
	//! Writes the class payload.
	virtual void writeBinary(CVeskSerializer* writer) = 0;
	//! Reads exactly the class payload; the caller does not skip after it.
	virtual void readBinary(CVeskDeserializer* reader) = 0;
};

#endif
