// The raster state of a printer stream: configuration, raster graphics, compression, moves and
// the transfers of each row group.
#include "stream_reader.h"

#include <vector>

#include "method2.h"

namespace {

constexpr long kMethod2 = 2;

bool Is(const char* group, const char* expected)
{
    return group[0] == expected[0] && group[1] == expected[1];
}

class RasterReader {
public:
    explicit RasterReader(StreamVisitor& visitor) : visitor_(visitor) {}

    // The reason the stream is malformed here, or empty.
    std::string Take(const PclScanner& scanner)
    {
        const char* group = scanner.Group();
        const PclParameter& parameter = scanner.Parameter();
        const char letter = parameter.Letter();
        const bool transfer = Is(group, "*b") && (letter == 'V' || letter == 'W');
        if (!transfer)
            visitor_.Parameter(scanner.CommandOffset(), group, parameter);
        if (Is(group, "*g") && letter == 'W')
            return Configure(parameter);
        if (Is(group, "*r") && letter == 'A')
            return Start(scanner.CommandOffset());
        if (Is(group, "*r") && (letter == 'C' || letter == 'B'))
            return End(scanner.CommandOffset());
        if (Is(group, "*b") && letter == 'M')
            return Method(parameter);
        if (Is(group, "*b") && letter == 'Y')
            return Move(parameter);
        if (transfer)
            return Transfer(parameter, scanner.CommandOffset());
        return {};
    }

    // What is left open at a reset or at the stream's end.
    std::string Unfinished(const char* where) const
    {
        return started_ ? std::string(where) + " inside raster graphics" : std::string();
    }

private:
    std::string Configure(const PclParameter& parameter)
    {
        if (started_)
            return "raster configuration inside raster graphics";
        if (const char* problem = DecodeRasterConfiguration(parameter.data, parameter.dataLength, &format_))
            return problem;
        configured_ = true;
        return {};
    }

    std::string Start(size_t offset)
    {
        if (!configured_)
            return "raster graphics start without a raster configuration";
        if (started_)
            return "raster graphics started twice";
        started_ = true;
        method_ = 0;
        row_ = 0;
        plane_ = 0;
        planes_.assign(format_.PlanesPerGroup(), std::vector<uint8_t>(kWidestPlaneRow));
        rows_.assign(planes_.size(), {nullptr, 0});
        visitor_.RasterStart(offset, format_);
        return {};
    }

    std::string End(size_t offset)
    {
        if (!started_)
            return {};
        if (plane_ != 0)
            return "raster graphics end inside a row group";
        started_ = false;
        visitor_.RasterEnd(offset, row_);
        return {};
    }

    std::string Method(const PclParameter& parameter)
    {
        if (parameter.value != kMethod2)
            return "compression method " + std::to_string(parameter.value) + ", not 2";
        method_ = parameter.value;
        return {};
    }

    std::string Advance(unsigned rows)
    {
        if (rows > kLongestRaster - row_)
            return "raster runs past " + std::to_string(kLongestRaster) + " rows";
        row_ += rows;
        return {};
    }

    std::string Move(const PclParameter& parameter)
    {
        if (!started_)
            return "vertical move outside raster graphics";
        if (plane_ != 0)
            return "vertical move inside a row group";
        if (parameter.value < 0)
            return "upward move";
        const unsigned from = row_, rows = static_cast<unsigned>(parameter.value); // at most 8 digits
        std::string problem = Advance(rows);
        if (problem.empty() && rows > 0)
            visitor_.RasterMove(from, rows);
        return problem;
    }

    std::string Transfer(const PclParameter& parameter, size_t commandOffset)
    {
        if (!started_)
            return "raster transfer outside raster graphics";
        if (method_ != kMethod2)
            return "raster transfer before compression method 2 is set";
        const bool endsGroup = parameter.Letter() == 'W';
        if (endsGroup != (plane_ + 1 == planes_.size()))
            return "row group " + std::to_string(row_) + ": transfer " + std::to_string(plane_ + 1) + " of " +
                   std::to_string(planes_.size()) + (endsGroup ? " ends the group" : " does not end it");
        size_t expanded = 0;
        const Method2Fault fault =
            ExpandMethod2(parameter.data, parameter.dataLength, planes_[plane_].data(), kWidestPlaneRow, &expanded);
        if (fault.problem)
            return std::string(fault.problem) + " in a transfer's data";
        rows_[plane_] = {planes_[plane_].data(), expanded};
        compressed_ += parameter.dataLength;
        if (plane_ == 0)
            groupOffset_ = commandOffset;
        if (!endsGroup) {
            ++plane_;
            return {};
        }
        visitor_.RasterGroup({groupOffset_, row_, rows_.data(), rows_.size(), compressed_});
        plane_ = 0;
        compressed_ = 0;
        return Advance(1);
    }

    StreamVisitor& visitor_;
    RasterFormat format_ = {};
    bool configured_ = false;
    bool started_ = false;
    long method_ = 0;
    unsigned row_ = 0;
    size_t plane_ = 0;
    size_t compressed_ = 0;
    size_t groupOffset_ = 0;
    std::vector<std::vector<uint8_t>> planes_; // one buffer per transfer of a group, reused
    std::vector<PlaneRow> rows_;
};

} // namespace

StreamFault ReadPrinterStream(const uint8_t* data, size_t size, StreamVisitor& visitor)
{
    PclScanner scanner(data, size);
    RasterReader raster(visitor);
    for (;;) {
        std::string problem;
        switch (scanner.Next()) {
        case PclScanner::Token::End:
            problem = raster.Unfinished("the stream ends");
            return {problem, size};
        case PclScanner::Token::Fault:
            return {scanner.Problem(), scanner.Offset()};
        case PclScanner::Token::Text:
            visitor.Text(scanner.Offset(), scanner.TextBytes(), scanner.TextLength());
            break;
        case PclScanner::Token::Escape:
            if (scanner.EscapeCharacter() == 'E')
                problem = raster.Unfinished("a printer reset");
            visitor.Escape(scanner.Offset(), scanner.EscapeCharacter());
            break;
        case PclScanner::Token::Parameter:
            problem = raster.Take(scanner);
            break;
        }
        if (!problem.empty())
            return {problem, scanner.Offset()};
    }
}

std::string ParameterText(const char* group, const PclParameter& parameter)
{
    return std::string(group) + (parameter.hasValue ? std::to_string(parameter.value) : "") + parameter.letter;
}
