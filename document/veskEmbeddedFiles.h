#ifndef HX_VESK_EMBEDDED_FILES_H
#define HX_VESK_EMBEDDED_FILES_H

class CVeskDeserializer;
class CVeskDocument;
class CVeskSerializer;

//! Reads the embedded files chunk (its header read last): installs textures into the video
//! driver, skinned meshes into the mesh cache and queues scripts on the document's receiver;
//! a document that keeps its embedded files also keeps every entry's bytes. Scripts are also written as NAME.js into
//! scriptOutputFolder when it is given and no such file exists yet.
void readEmbeddedFiles(CVeskDeserializer* reader, CVeskDocument* document, const char* scriptOutputFolder);

//! Writes the document's embedded files as one chunk 12.
void writeEmbeddedFiles(CVeskSerializer* writer, const CVeskDocument* document);

#endif
