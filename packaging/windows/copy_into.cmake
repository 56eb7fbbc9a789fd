# Copies FROM, a file or a whole folder, into the folder TO: cmake -DFROM=... -DTO=... -P.
file(COPY ${FROM} DESTINATION ${TO})
