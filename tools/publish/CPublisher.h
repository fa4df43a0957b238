#ifndef HX_C_PUBLISHER_H
#define HX_C_PUBLISHER_H

#include "SPublishRequest.h"

#include <cstdio>
#include <string>

class CReplacingOutputFile;

//! Makes a published executable: the player's bytes, the document, the optional loading
//! image and the trailer that says where they lie.
class CPublisher
{
public:
	explicit CPublisher(const SPublishRequest& request);

	//! Writes the output. On failure nothing is left at the output path that was not there
	//! before, and getError says why.
	bool publish();

	//! One line that says what went wrong.
	const std::string& getError() const { return Error; }

private:
	bool checkSettings();
	bool openInput(const char* role, const std::string& path, FILE*& input);
	//! Writes the inputs and the trailer that describes them; image may be null.
	bool writeExecutable(FILE* player, FILE* document, FILE* image);
	//! Copies the whole input to the output and answers its length in size.
	bool append(const char* role, const std::string& path, FILE* input, CReplacingOutputFile& output, long long& size);
	bool fail(const std::string& what);

	SPublishRequest Request;
	std::string Error;
};

#endif
