package orvane.checker;

/** One document to check, as Orvane sent it. */
final class Request {
    final long number;
    final String path;
    final String sourcePath;
    final String text;

    Request(long number, String path, String sourcePath, String text) {
        this.number = number;
        this.path = path;
        this.sourcePath = sourcePath;
        this.text = text;
    }
}
