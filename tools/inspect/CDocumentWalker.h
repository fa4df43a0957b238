#ifndef HX_C_DOCUMENT_WALKER_H
#define HX_C_DOCUMENT_WALKER_H

#include <nlohmann/json.hpp>

#include <IReadFile.h>

#include <string>

class CVeskDeserializer;

//! Walks a document's bytes record by record, strictly: every chunk must lie inside the
//! chunk that holds it and every field inside its chunk. What was read goes into a JSON
//! report; the first violation ends the walk and is reported with its byte offset.
class CDocumentWalker
{
public:
	explicit CDocumentWalker(irr::io::IReadFile* document);
	~CDocumentWalker();

	//! Walks the whole document into report; false when it found a fault. A chunk that runs
	//! past its enclosing chunk is a fault, but what it holds is still walked up to that end.
	bool walk(nlohmann::ordered_json& report);

private:
	bool fault(long offset, const std::string& expected);
	//! Reads a chunk header that must end by enclosingEnd; context names the enclosing record.
	bool openChunk(long enclosingEnd, const char* context, irr::u16& tag, long& end);
	//! True when n more bytes of what lie before end.
	bool need(long n, long end, const char* what);
	bool readString(long end, const char* what, std::string& out);

	bool walkDocumentChunk(long end, nlohmann::ordered_json& report);
	bool walkSettings(long end, nlohmann::ordered_json& settings);
	bool walkScene(long end, nlohmann::ordered_json& scene);
	bool walkSceneChunk(irr::s32 type, irr::u16 tag, long end, nlohmann::ordered_json& scene);
	bool walkNodeRecord(long end, int depth, nlohmann::ordered_json& node);
	//! Collects the types of the metadata entries (chunks 32) of a node's metadata chunk.
	bool walkMetaData(long end, nlohmann::ordered_json& entryTypes);
	bool walkEmbeddedFiles(long end, nlohmann::ordered_json& files);

	CVeskDeserializer* Reader;
	nlohmann::ordered_json* Report;
};

#endif
