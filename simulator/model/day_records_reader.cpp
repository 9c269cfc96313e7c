// The text-table reader that finds the records of the last day again by their place in the file.
#include <cstdio>

#include "model_classes.h"

void MyASCIIFileReader::ForgetPlaces() {
    for (Place& place : places_) place = Place{};
}

int MyASCIIFileReader::Open() {
    ForgetPlaces();
    return ASCIIFileReader::Open();
}

int MyASCIIFileReader::Close() {
    ForgetPlaces();
    return ASCIIFileReader::Close();
}

int MyASCIIFileReader::SetRecordCounter(int* record) {
    counter_ = record;
    return ASCIIFileReader::SetRecordCounter(record);
}

int MyASCIIFileReader::Compute() {
    if (status_ == kReady && counter_ != nullptr && *counter_ >= 1) {
        // Opened here rather than by the library reader, so that the first line's place is
        // noted too.
        if (file_ == nullptr && Open() != kOk) return kOpenFailed;
    }
    if (status_ == kReady && file_ != nullptr && counter_ != nullptr && position_ >= 0) {
        const int record = *counter_;
        Place& place = places_[(record - 1 + kDayRecords) % kDayRecords];
        if (record >= 1 && record < position_) {
            // Behind the file's position: back to the start of its line when it is known, so
            // that the library reader reads on from there.
            if (place.record == record && std::fseek(file_, place.offset, SEEK_SET) == 0)
                position_ = record - 1;
        } else if (record == position_ + 1) {
            // The next line is read now: note where it starts.
            const long offset = std::ftell(file_);
            if (offset >= 0) place = Place{record, offset};
        }
    }
    return ASCIIFileReader::Compute();
}
