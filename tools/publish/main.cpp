#include "CPublishCommandLine.h"
#include "CPublisher.h"

#include <cstdio>

int main(int argc, char** argv)
{
	CPublishCommandLine commandLine;
	int exitCode = 0;
	if (!commandLine.parse(argc, argv, exitCode))
		return exitCode;
	CPublisher publisher(commandLine.getRequest());
	if (!publisher.publish())
	{
		fprintf(stderr, "helixpane-publish: %s\n", publisher.getError().c_str());
		return 1;
	}
	return 0;
}
